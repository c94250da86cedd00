// The header text of a request, composed from the caller's lines and the
// defaults, and the cookies collected from a response's header text.
#pragma once

#include "text/text_types.h"

namespace velmora {

inline const char* const kDefaultUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1; SV1; .NET CLR 2.0.50727; .NET CLR "
    "3.0.04506.648; .NET CLR 3.5.21022)";

inline const char* const kDefaultAccept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, "
    "application/x-shockwave-flash, application/vnd.ms-excel, application/vnd.ms-powerpoint, "
    "application/msword, */*\r\n";

// The caller's header lines, then Accept, Referer (the address), Accept-Language,
// Content-Type and Content-Length (POST with a body), and Cookie, each only when
// the words are not yet present ("RefererNo" suppresses Referer and is removed).
Text compose_request_headers(const Text& caller_headers, const Text& address, const Text& method,
                             const Bytes& body, const Text& cookies);

// The agent of a "User-Agent:" line among the caller's headers, trimmed; the
// default agent when there is none.
Text request_user_agent(const Text& caller_headers);

// For each "Set-Cookie: " line, its value up to the first ";", followed by ";".
Text collect_cookies(const Text& header_text);

}  // namespace velmora
