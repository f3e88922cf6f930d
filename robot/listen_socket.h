#ifndef ZVK_ROBOT_LISTEN_SOCKET_H_
#define ZVK_ROBOT_LISTEN_SOCKET_H_

namespace robot {

// Room for connections the kernel has accepted before a worker takes them:
// the server library listens with a backlog of 5, too few for a contest's
// last minutes.
constexpr int kListenBacklog = 256;

// Sets the backlog of the listening socket `socket` (listening again on a
// listening socket changes only its backlog).
void widenBacklog(int socket, int backlog);

// The connections waiting in the kernel for the server to accept them.
int connectionsNotYetAccepted(int socket);

}  // namespace robot

#endif  // ZVK_ROBOT_LISTEN_SOCKET_H_
