#include <cstdio>

// Debian's ffmpeg is built without AMD's AMF encoders; saying so on standard
// error is how a vendor probe reports that it found nothing usable.
int main()
{
    std::fputs("this ffmpeg has no AMF encoders\n", stderr);
    return 1;
}
