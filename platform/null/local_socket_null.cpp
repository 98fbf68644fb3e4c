#include "platform/local_socket.h"

#include <utility>

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
LocalRequest::LocalRequest(const std::string& path, std::string request, unsigned long maxAnswer)
    : path_(path), request_(std::move(request)), maxAnswer_(maxAnswer), state_(State::kFailed) {}
LocalRequest::~LocalRequest() = default;
void LocalRequest::Proceed() {}
void LocalRequest::Finish(State state) {
    state_ = state;
}
void WaitForLocalRequests(const std::vector<LocalRequest*>&, int) {}

}  // namespace tarnwick::platform
