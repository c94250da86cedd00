#include "http/curl_session.h"

#include <array>
#include <mutex>

namespace velmora {
namespace {

struct Session {
  Session() {
    curl_global_init(CURL_GLOBAL_DEFAULT);
    share = curl_share_init();
    curl_share_setopt(share, CURLSHOPT_LOCKFUNC, &Session::lock);
    curl_share_setopt(share, CURLSHOPT_UNLOCKFUNC, &Session::unlock);
    curl_share_setopt(share, CURLSHOPT_USERDATA, this);
    curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
  }

  static void lock(CURL*, curl_lock_data data, curl_lock_access, void* user) {
    static_cast<Session*>(user)->mutexes[index(data)].lock();
  }
  static void unlock(CURL*, curl_lock_data data, void* user) {
    static_cast<Session*>(user)->mutexes[index(data)].unlock();
  }
  static std::size_t index(curl_lock_data data) {
    const auto i = static_cast<std::size_t>(data);
    return i < kLocks ? i : 0;
  }

  static constexpr std::size_t kLocks = CURL_LOCK_DATA_LAST;
  std::array<std::mutex, kLocks> mutexes;
  CURLSH* share = nullptr;
};

// Lives until the process ends: transfers abandoned at a time-out may still be
// finishing while static objects are destroyed.
Session& session() {
  static Session* const instance = new Session();
  return *instance;
}

}  // namespace

void ensure_curl_initialised() { (void)session(); }

CURLSH* shared_cookie_store() { return session().share; }

}  // namespace velmora
