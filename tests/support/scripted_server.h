// A scripted HTTP server on 127.0.0.1 for tests: each connection reads one
// request and answers with the bytes the script gives for it; every request is
// recorded byte for byte.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <list>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace velmora::testing {

struct Reply {
  std::string bytes;                   // sent as they stand
  std::chrono::milliseconds delay{0};  // before anything is sent
  bool hold = false;                   // send `bytes`, then keep the connection open
};

class ScriptedServer {
 public:
  // Called for the n-th request (from 0) with its raw bytes.
  using Script = std::function<Reply(std::size_t n, const std::string& request)>;

  // Listens on `address`, a loopback address (tests that let servers set
  // cookies use one of their own, so that the process-wide cookie store does
  // not carry the cookies into other tests' requests).
  explicit ScriptedServer(Script script, const std::string& address = "127.0.0.1", int port = 0);
  // The n-th connection gets replies[n]; the last one repeats.
  explicit ScriptedServer(std::vector<std::string> replies,
                          const std::string& address = "127.0.0.1");
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  int port() const { return port_; }
  std::string host() const;                        // "address:port"
  std::string url(const std::string& path) const;  // "http://address:port" + path

  std::vector<std::string> requests() const;
  std::size_t request_count() const;
  // Waits until `count` requests have arrived.
  bool wait_for_requests(std::size_t count, std::chrono::milliseconds limit) const;
  // Waits until the client has closed every held connection.
  bool wait_for_held_closed(std::chrono::milliseconds limit) const;

 private:
  void accept_loop();
  void serve(int fd);

  Script script_;
  std::string address_;
  int listener_ = -1;
  int port_ = 0;
  int wake_pipe_[2] = {-1, -1};
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::vector<std::string> requests_;
  std::size_t next_index_ = 0;
  int held_open_ = 0;
  struct Connection {
    std::thread thread;
    std::atomic<bool> done{false};
  };
  std::list<Connection> connections_;  // the accept loop joins the ones done
  std::thread acceptor_;
};

// A complete response with a Content-Length for `body`.
std::string http_response(const std::string& status, const std::string& headers,
                          const std::string& body);

}  // namespace velmora::testing
