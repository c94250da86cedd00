#include "support/scripted_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace velmora::testing {
namespace {

std::size_t content_length(const std::string& head) {
  std::string lower(head);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const std::size_t at = lower.find("\r\ncontent-length:");
  if (at == std::string::npos) return 0;
  return static_cast<std::size_t>(std::strtoul(lower.c_str() + at + 17, nullptr, 10));
}

void send_all(int fd, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return;
    sent += static_cast<std::size_t>(n);
  }
}

}  // namespace

std::string http_response(const std::string& status, const std::string& headers,
                          const std::string& body) {
  return "HTTP/1.1 " + status + "\r\n" + headers +
         "Content-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

ScriptedServer::ScriptedServer(std::vector<std::string> replies, const std::string& address)
    : ScriptedServer(
          [replies = std::move(replies)](std::size_t n, const std::string&) {
            return Reply{replies.empty() ? std::string()
                                         : replies[std::min(n, replies.size() - 1)]};
          },
          address) {}

ScriptedServer::ScriptedServer(Script script, const std::string& address, int port)
    : script_(std::move(script)), address_(address) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const int yes = 1;
  ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(static_cast<std::uint16_t>(port));
  if (::inet_pton(AF_INET, address_.c_str(), &addr.sin_addr) != 1 ||
      ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
      ::listen(listener_, 64) != 0 || ::pipe(wake_pipe_) != 0) {
    throw std::runtime_error("test server cannot listen");
  }
  socklen_t len = sizeof addr;
  ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
  port_ = ntohs(addr.sin_port);
  acceptor_ = std::thread([this] { accept_loop(); });
}

ScriptedServer::~ScriptedServer() {
  stopping_.store(true);
  const char byte = 1;
  (void)!::write(wake_pipe_[1], &byte, 1);
  acceptor_.join();
  for (auto& c : connections_) c.thread.join();
  ::close(listener_);
  ::close(wake_pipe_[0]);
  ::close(wake_pipe_[1]);
}

std::string ScriptedServer::host() const { return address_ + ":" + std::to_string(port_); }
std::string ScriptedServer::url(const std::string& path) const { return "http://" + host() + path; }

std::vector<std::string> ScriptedServer::requests() const {
  std::lock_guard lock(mutex_);
  return requests_;
}

std::size_t ScriptedServer::request_count() const {
  std::lock_guard lock(mutex_);
  return requests_.size();
}

bool ScriptedServer::wait_for_requests(std::size_t count, std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, limit, [&] { return requests_.size() >= count; });
}

bool ScriptedServer::wait_for_held_closed(std::chrono::milliseconds limit) const {
  std::unique_lock lock(mutex_);
  return changed_.wait_for(lock, limit, [&] { return held_open_ == 0; });
}

void ScriptedServer::accept_loop() {
  while (!stopping_.load()) {
    pollfd fds[2] = {{listener_, POLLIN, 0}, {wake_pipe_[0], POLLIN, 0}};
    if (::poll(fds, 2, -1) <= 0) continue;
    if ((fds[1].revents & POLLIN) != 0) return;
    const int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) continue;
    for (auto it = connections_.begin(); it != connections_.end();) {
      if (it->done.load()) {
        it->thread.join();
        it = connections_.erase(it);
      } else {
        ++it;
      }
    }
    Connection& c = connections_.emplace_back();
    c.thread = std::thread([this, fd, &c] {
      serve(fd);
      c.done.store(true);
    });
  }
}

// Waits for the fd to be readable or the server to stop; false on stop.
static bool readable(int fd, int wake) {
  pollfd fds[2] = {{fd, POLLIN, 0}, {wake, POLLIN, 0}};
  while (::poll(fds, 2, -1) <= 0) {
  }
  return (fds[1].revents & POLLIN) == 0;
}

void ScriptedServer::serve(int fd) {
  std::string request;
  char buffer[65536];
  std::size_t head_end = std::string::npos;
  while (true) {
    if (head_end != std::string::npos &&
        request.size() >= head_end + 4 + content_length(request.substr(0, head_end + 2))) {
      break;
    }
    if (!readable(fd, wake_pipe_[0])) break;
    const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    request.append(buffer, static_cast<std::size_t>(n));
    if (head_end == std::string::npos) head_end = request.find("\r\n\r\n");
  }
  std::size_t index = 0;
  {
    std::lock_guard lock(mutex_);
    index = next_index_++;
  }
  const Reply reply = script_(index, request);
  {
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
    if (reply.hold) ++held_open_;
  }
  changed_.notify_all();
  if (reply.delay.count() > 0) {
    pollfd wake{wake_pipe_[0], POLLIN, 0};
    ::poll(&wake, 1, static_cast<int>(reply.delay.count()));
  }
  send_all(fd, reply.bytes);
  if (reply.hold) {
    // Kept open until the client closes it (or the server stops).
    while (readable(fd, wake_pipe_[0]) && ::recv(fd, buffer, sizeof buffer, 0) > 0) {
    }
    {
      std::lock_guard lock(mutex_);
      --held_open_;
    }
    changed_.notify_all();
  } else {
    ::shutdown(fd, SHUT_WR);
    // Let the client read everything before the socket goes away.
    pollfd drain{fd, POLLIN, 0};
    while (::poll(&drain, 1, 200) > 0 && ::recv(fd, buffer, sizeof buffer, 0) > 0) {
    }
  }
  ::close(fd);
}

}  // namespace velmora::testing
