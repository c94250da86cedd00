#include "app/program.h"
#include "service_hosts.h"

int main() {
  return velmora::run_program(velmora::ServiceHosts{
      velmora::Text(VELMORA_GREETING_HOST), velmora::shortener_endpoint(VELMORA_SHORTENER_HOST)});
}
