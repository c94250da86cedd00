// http_fetch against plain libcurl transfers of the same requests, over loopback.
#include <curl/curl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "figures.h"
#include "http/curl_session.h"
#include "http/fetch.h"
#include "http/transfer.h"
#include "support/scripted_server.h"
#include "text/numbers.h"

namespace velmora {
namespace {

using testing::http_response;
using testing::ScriptedServer;

const std::string kBody(300, 'b');
constexpr std::size_t kBigBody = 48U * 1024U * 1024U;

ScriptedServer& page_server() {
  static ScriptedServer server({http_response("200 OK", "", std::string(1024, 'p'))});
  return server;
}

ScriptedServer& big_server() {
  static ScriptedServer server({http_response("200 OK", "", std::string(kBigBody, 'x'))});
  return server;
}

std::size_t collect(char* data, std::size_t size, std::size_t count, void* user) {
  static_cast<std::string*>(user)->append(data, size * count);
  return size * count;
}

// The same request as http_fetch sends, made with libcurl on this thread, with
// the same process-wide cookie store attached.
std::string plain_curl(const std::string& url, const std::string* body) {
  CURL* curl = curl_easy_init();
  curl_slist* headers = nullptr;
  for (const char* h : {"Accept: */*", "Accept-Language: zh-cn",
                        "Content-Type: application/x-www-form-urlencoded", "Expect:"}) {
    headers = curl_slist_append(headers, h);
  }
  std::string received;
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_PROXY, "");
  curl_easy_setopt(curl, CURLOPT_SHARE, shared_cookie_store());
  curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");
  if (body != nullptr) {
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body->data());
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body->size()));
  }
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &collect);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &received);
  curl_easy_perform(curl);
  curl_slist_free_all(headers);
  curl_easy_cleanup(curl);
  return received;
}

void BM_HttpFetchPost(benchmark::State& state) {
  FetchOptions o;
  o.method = 1;
  o.request_body = Bytes(kBody);
  for (auto _ : state) {
    Text address(page_server().url("/form"));
    benchmark::DoNotOptimize(http_fetch(address, o));
  }
}
BENCHMARK(BM_HttpFetchPost)
    ->Iterations(1000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

// The same transfer run on the calling thread: what the thread, hand-over and
// wait of http_fetch add is the difference to BM_HttpFetchPost.
void BM_TransferOnThisThread(benchmark::State& state) {
  const std::atomic<bool> stop{false};
  for (auto _ : state) {
    HttpExchange e;
    e.address = Bytes(page_server().url("/form"));
    e.method = Bytes(std::string_view("POST"));
    e.request_body = Bytes(kBody);
    e.follow_redirects = Bytes(std::string_view(kTrueText));
    http_transfer(e, stop);
    benchmark::DoNotOptimize(e.address);
  }
}
BENCHMARK(BM_TransferOnThisThread)
    ->Iterations(1000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void BM_PlainCurlPost(benchmark::State& state) {
  ensure_curl_initialised();
  const std::string url = page_server().url("/form");
  for (auto _ : state) benchmark::DoNotOptimize(plain_curl(url, &kBody));
}
BENCHMARK(BM_PlainCurlPost)
    ->Iterations(1000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void BM_HttpFetch48MiB(benchmark::State& state) {
  for (auto _ : state) {
    Text address(big_server().url("/big"));
    benchmark::DoNotOptimize(http_fetch(address));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kBigBody));
}
BENCHMARK(BM_HttpFetch48MiB)->Iterations(8)->Unit(benchmark::kMillisecond);

void BM_PlainCurl48MiB(benchmark::State& state) {
  ensure_curl_initialised();
  const std::string url = big_server().url("/big");
  for (auto _ : state) benchmark::DoNotOptimize(plain_curl(url, nullptr));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kBigBody));
}
BENCHMARK(BM_PlainCurl48MiB)->Iterations(8)->Unit(benchmark::kMillisecond);

// Peak resident memory of one 48 MiB fetch in a fresh child process, less what
// the child held before it.
double peak_memory_ratio() {
  const std::string url = big_server().url("/big");
  int pipe_fd[2];
  if (pipe(pipe_fd) != 0) return 0;
  const pid_t child = fork();
  if (child == 0) {
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    Text address(url);
    const Bytes body = http_fetch(address);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    const double grown = static_cast<double>(after.ru_maxrss - before.ru_maxrss) * 1024.0;
    const double ratio = body.size() == kBigBody ? grown / static_cast<double>(kBigBody) : -1;
    (void)!write(pipe_fd[1], &ratio, sizeof ratio);
    _exit(0);
  }
  double ratio = 0;
  (void)!read(pipe_fd[0], &ratio, sizeof ratio);
  waitpid(child, nullptr, 0);
  close(pipe_fd[0]);
  close(pipe_fd[1]);
  return ratio;
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
  const double memory = velmora::peak_memory_ratio();
  return velmora::bench::run_benchmarks(
      argc, argv, [memory](const velmora::bench::FigureReporter& r) {
        const std::string posts = "/iterations:1000/repeats:5";
        r.ratio("1000 POSTs: http_fetch / plain libcurl (medians of 5)", "BM_HttpFetchPost" + posts,
                "BM_PlainCurlPost" + posts, "<= 1.2");
        r.ratio("1000 POSTs: http_fetch / the same transfer on this thread",
                "BM_HttpFetchPost" + posts, "BM_TransferOnThisThread" + posts,
                "the thread and wait");
        const double ours = r.time("BM_HttpFetch48MiB/iterations:8");
        const double plain = r.time("BM_PlainCurl48MiB/iterations:8");
        if (ours > 0 && plain > 0) {
          std::printf("  %-58s %6.2f   (goal: >= 0.70)\n",
                      "48 MiB body: throughput of http_fetch / plain", plain / ours);
        }
        std::printf("  %-58s %6.2f   (goal: <= 2.5)\n", "48 MiB body: peak memory / body size",
                    memory);
      });
}
