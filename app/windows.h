// The program's two windows.
#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstdint>
#include <functional>

#include "app/window_frame.h"
#include "shortlink/short_link.h"
#include "text/text_types.h"

namespace velmora {

// Where the links go: the greeting-page host and the shortening service.
struct ServiceHosts {
  Text greeting_host;
  ShortenerEndpoint shortener;
};

// main_window: the two names, the short-link choice and the Generate button.
class MainWindow final : public FixedWindow {
 public:
  explicit MainWindow(ServiceHosts hosts);

  // Fresh copies of the controls' current contents.
  Text user_name() const;                 // 编辑框1
  Text loved_name() const;                // 编辑框2
  std::int32_t short_link_state() const;  // 选择框1: 1 when ticked

  const ServiceHosts& hosts() const { return hosts_; }
  // True once the window has been closed (the program is ending).
  bool closed() const { return closed_; }
  // Runs when the window is closed.
  void on_closed(std::function<void()> handler) { on_closed_ = std::move(handler); }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  ServiceHosts hosts_;
  QLineEdit* user_ = nullptr;
  QLineEdit* loved_ = nullptr;
  QCheckBox* short_link_ = nullptr;
  bool closed_ = false;
  std::function<void()> on_closed_;
};

// result_window: the generated link, ready to copy.
class ResultWindow final : public FixedWindow {
 public:
  ResultWindow();
  QLineEdit* link_box() const { return link_; }  // 编辑框1

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLineEdit* link_ = nullptr;
  friend void open_result_window_modally();
  std::function<void()> on_close_;
};

// The result window's handlers.
void on_result_window_created(ResultWindow& window);
void on_copy_link_clicked(ResultWindow& window);

// Creates a new result window, centred, fills it, shows it and waits in a
// nested event loop until the user closes it; the other windows take no input
// meanwhile.
void open_result_window_modally();

}  // namespace velmora
