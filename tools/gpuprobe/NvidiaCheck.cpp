#include "probe_common.h"

int main()
{
    return probeEncoders({{"h264", "h264_nvenc"}, {"hevc", "hevc_nvenc"}});
}
