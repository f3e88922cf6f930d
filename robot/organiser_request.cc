#include "robot/organiser_request.h"

#include <httplib.h>

#include "robot/client_address.h"
#include "robot/organiser_pages.h"

namespace robot {

Credentials credentialsOf(const httplib::Request& request) {
  return {request.get_header_value(kKeyHeader), sessionOf(request), clientAddress(request)};
}

std::string sessionOf(const httplib::Request& request) {
  const std::string cookies = "; " + request.get_header_value("Cookie");
  const std::string named = std::string("; ") + kSessionCookie + "=";
  const std::size_t at = cookies.find(named);
  if (at == std::string::npos) return "";
  const std::size_t start = at + named.size();
  return cookies.substr(start, cookies.find(';', start) - start);
}

bool keyInAddress(const httplib::Request& request) {
  const std::size_t query = request.target.find('?');
  if (query == std::string::npos) return false;
  httplib::Params params;
  httplib::detail::parse_query_text(request.target.substr(query + 1), params);
  return params.count(kKeyField) > 0;
}

}  // namespace robot
