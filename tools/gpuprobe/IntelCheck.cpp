#include "probe_common.h"

int main()
{
    return probeEncoders({{"h264", "h264_qsv"}, {"hevc", "hevc_qsv"}});
}
