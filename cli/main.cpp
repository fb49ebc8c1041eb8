// spirolan-cli: replays dialog input on a job state.
#include <cstdio>

int main() {
    std::fputs("usage: spirolan-cli run JOB.json [--mode-a FILE] [--mode-b FILE] [--table FILE]\n"
               "       spirolan-cli feed PITCH FEED\n",
               stderr);
    return 2;
}
