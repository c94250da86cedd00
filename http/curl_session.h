// Process-wide libcurl state: global initialisation and the shared cookie store.
#pragma once

#include <curl/curl.h>

namespace velmora {

// Initialises libcurl once; call before the first transfer (from any thread).
void ensure_curl_initialised();

// The cookie store that every transfer without caller cookies uses; cookies are
// kept under the site that set them. Locked for use from several threads.
CURLSH* shared_cookie_store();

}  // namespace velmora
