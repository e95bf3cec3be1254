#include <cstdio>

int main()
{
    std::puts("Football Korva: the game's window is not built yet.");
    return 0;
}
