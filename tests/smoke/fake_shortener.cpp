// A stand-in for the URL-shortening service, for the end-to-end test of the
// real program: answers every POST with a page whose short link is given on the
// command line, and writes each request it receives to standard output.
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>

#include "shortlink/short_link.h"
#include "support/scripted_server.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: fake_shortener PORT SHORT_LINK\n";
    return 2;
  }
  const std::string link = argv[2];
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGTERM);
  sigaddset(&stop, SIGINT);
  pthread_sigmask(SIG_BLOCK, &stop, nullptr);
  velmora::testing::ScriptedServer server(
      [&link](std::size_t, const std::string& request) {
        std::cout << "REQUEST " << request.substr(0, request.find("\r\n")) << std::endl;
        const std::string page = std::string("<html>\r\n") + velmora::kShortLinkLeftMarker + link +
                                 velmora::kShortLinkRightMarker + "\n</html>\r\n";
        return velmora::testing::Reply{velmora::testing::http_response("200 OK", "", page)};
      },
      "127.0.0.1", std::atoi(argv[1]));
  std::cout << "READY" << std::endl;
  int signal = 0;
  sigwait(&stop, &signal);
  return 0;
}
