#include <cstdio>

int main()
{
    std::puts("Vantor beta 3");
    return 1;
}
