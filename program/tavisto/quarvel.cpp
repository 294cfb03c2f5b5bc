// quarvel: the regulations program.  Started by Velmora with the argument
// "cite=<citation>" (or none), it opens the cited section of 49 CFR on the
// official eCFR web site in the user's browser.
#include "tavisto/citation_url.h"

#include <cstdio>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char **environ;

int main(int argc, char **argv)
{
    std::string citation;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("cite=", 0) == 0)
            citation = arg.substr(5);
    }
    const std::string url = tavisto::citationToUrl(citation);
    std::printf("%s\n", url.c_str());
    std::fflush(stdout);

    // The desktop's opener chooses the browser; an argument vector, never a
    // shell, so the citation cannot become a command.
    char opener[] = "xdg-open";
    std::string target = url;
    char *args[] = {opener, target.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, opener, nullptr, nullptr, args, environ) != 0) {
        std::fprintf(stderr, "quarvel: cannot start xdg-open for %s\n", url.c_str());
        return 1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
