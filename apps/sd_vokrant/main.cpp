// sd_vokrant: a speech-dispatcher output module speaking Polish with Vokrant.
// speech-dispatcher starts it with the path of its configuration file and
// talks to it over standard input and output.
#include <unistd.h>

#include <csignal>

#include "module_session.h"

int main(int argc, char** argv) {
    // A server that goes away must not kill us mid-write: the write fails instead.
    std::signal(SIGPIPE, SIG_IGN);
    SModuleConfig config = argc >= 2 ? ReadModuleConfig(argv[1]) : SModuleConfig{};
    SLineReader input(STDIN_FILENO);
    SModuleSession session(input, config);
    return session.Run();
}
