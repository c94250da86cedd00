#include "app/windows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>

#include "app/generate.h"
#include "app/messages.h"
#include "app/qt_text.h"
#include "app/result_link.h"

namespace velmora {
namespace {

QLineEdit* add_edit_box(QWidget* parent, const char* name, QRect place) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setGeometry(place);
  box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return box;
}

QPushButton* add_button(QWidget* parent, const char* name, const QString& text, QRect place) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setGeometry(place);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

MainWindow::MainWindow(ServiceHosts hosts)
    : FixedWindow(QStringLiteral("Velmora"), QSize(265, 201), QSize(240, 152)),
      hosts_(std::move(hosts)) {
  const QString loved_caption = QStringLiteral("你爱的TA：");
  const QString user_caption = QStringLiteral("你的名字：");
  add_label(this, "标签3", loved_caption, QRect(16, 64, 64, 24), QColor(255, 0, 255));
  add_label(this, "标签2", user_caption, QRect(16, 16, 64, 24), QColor(0, 0, 255));
  short_link_ = new QCheckBox(QStringLiteral("默认短地址"), this);
  short_link_->setObjectName(QStringLiteral("选择框1"));
  short_link_->setGeometry(16, 120, 88, 24);
  short_link_->setChecked(true);
  QPalette palette = short_link_->palette();
  palette.setColor(QPalette::WindowText, QColor(255, 128, 192));
  short_link_->setPalette(palette);
  loved_ = add_edit_box(this, "编辑框2", QRect(80, 64, 152, 24));
  user_ = add_edit_box(this, "编辑框1", QRect(80, 16, 152, 24));
  // Screen readers announce each edit box with its caption.
  loved_->setAccessibleName(loved_caption);
  user_->setAccessibleName(user_caption);
  auto* generate = add_button(this, "按钮1", QStringLiteral("生成网址"), QRect(120, 112, 120, 40));
  connect(generate, &QPushButton::clicked, this, [this] { on_generate_clicked(*this); });
  setTabOrder(user_, loved_);
  setTabOrder(loved_, short_link_);
  setTabOrder(short_link_, generate);
}

Text MainWindow::user_name() const { return from_qstring(user_->text()); }
Text MainWindow::loved_name() const { return from_qstring(loved_->text()); }
std::int32_t MainWindow::short_link_state() const { return short_link_->isChecked() ? 1 : 0; }

void MainWindow::closeEvent(QCloseEvent* event) {
  // While a modal window or a message box is open, this window cannot be closed.
  QWidget* modal = QApplication::activeModalWidget();
  if (modal != nullptr && modal != this) {
    event->ignore();
    return;
  }
  event->accept();
  if (!closed_) {
    closed_ = true;
    if (on_closed_) on_closed_();
  }
}

ResultWindow::ResultWindow()
    : FixedWindow(QStringLiteral("Velmora  生成结果"), QSize(275, 175), QSize(264, 144)) {
  add_label(this, "标签4", QStringLiteral("Corvane工作室"), QRect(96, 80, 96, 16),
            QColor(255, 0, 0));
  add_label(this, "标签3", QStringLiteral("Corvane祝大家情人节快乐！"), QRect(72, 56, 176, 16),
            QColor(255, 0, 0));
  auto* copy = add_button(this, "按钮1", QStringLiteral("复制网址"), QRect(16, 104, 80, 32));
  connect(copy, &QPushButton::clicked, this, [this] { on_copy_link_clicked(*this); });
  add_label(this, "标签2", QStringLiteral("爱是理解的别名。"), QRect(168, 120, 96, 24),
            QColor(255, 168, 255));
  add_label(this, "标签1", QStringLiteral("网址："), QRect(16, 24, 48, 24), QColor(0, 0, 0));
  // Created after 标签1, so the edit box lies on top where the two overlap.
  link_ = add_edit_box(this, "编辑框1", QRect(56, 24, 184, 24));
  link_->raise();
  link_->setAccessibleName(QStringLiteral("网址："));
}

void ResultWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (on_close_) on_close_();
}

void on_result_window_created(ResultWindow& window) {
  window.link_box()->setText(to_qstring(result_link().value_or(Text())));
  window.link_box()->setCursorPosition(0);  // a long link shows from its beginning
}

void on_copy_link_clicked(ResultWindow& window) {
  if (from_qstring(window.link_box()->text()).empty()) return;
  const Text link = from_qstring(window.link_box()->text());
  if (set_clipboard_text(link))
    show_message(Text("\xB8\xB4\xD6\xC6\xB3\xC9\xB9\xA6"), kMessageInformation);  // 复制成功
}

void open_result_window_modally() {
  ResultWindow window;
  on_result_window_created(window);
  window.place_centred();
  // Application-modal: every other window of the program takes no input and
  // cannot be closed until this one is, and then is as it was before.
  window.setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  window.on_close_ = [&loop] { loop.quit(); };
  window.show();
  loop.exec();
  window.hide();
}

}  // namespace velmora
