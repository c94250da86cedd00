#include "fuzz_check.h"
#include "text/address.h"
#include "text/search.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const Text address(std::string_view(reinterpret_cast<const char*>(data), size));
  const Text host = url_host(address);
  const Text path = url_path(address);
  const std::int32_t port = url_port(address);
  FUZZ_CHECK(fuzz::holds_no_zero(host) && fuzz::holds_no_zero(path));
  FUZZ_CHECK(path.view().starts_with("/"));
  FUZZ_CHECK(host.view().find_first_of("/:") == std::string_view::npos);
  FUZZ_CHECK(to_lower(host) == host);
  if (path.size() > 1) FUZZ_CHECK(address.view().ends_with(path.view()));
  (void)port;
  return 0;
}
