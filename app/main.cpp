#include <cstdio>

int main() {
    std::puts("Wendax 32: the application window is not built yet.");
    return 0;
}
