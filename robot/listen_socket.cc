#include "robot/listen_socket.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace robot {

void widenBacklog(int socket, int backlog) {
  if (socket >= 0) ::listen(socket, backlog);
}

int connectionsNotYetAccepted(int socket) {
  if (socket < 0) return 0;
  tcp_info info{};
  socklen_t size = sizeof info;
  if (getsockopt(socket, IPPROTO_TCP, TCP_INFO, &info, &size) != 0) return 0;
  // For a listening socket the kernel reports its accept queue's length here.
  return static_cast<int>(info.tcpi_unacked);
}

}  // namespace robot
