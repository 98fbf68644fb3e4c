#include "platform/local_socket.h"

// Without local sockets the monitor hears of no changes and the settings program finds no
// monitor to tell.
namespace tarnwick::platform {

int ListenLocal(const std::string&) {
    return -1;
}
int AcceptLocal(int) {
    return -1;
}
long ReadLocal(int, char*, unsigned long) {
    return 0;
}
bool ReadLocalFailed() {
    return true;
}
bool WriteLocal(int, const std::string&) {
    return false;
}
void CloseLocal(int) {}
LocalCall CallLocal(const std::string&, const std::string&, int, unsigned long,
                    std::string& answer) {
    answer.clear();
    return LocalCall::kFailed;
}

}  // namespace tarnwick::platform
