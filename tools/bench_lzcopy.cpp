// Baseline of the launcher benchmark: only the three LZ copies of the
// launcher, from the folder of the medium into the temporary folder.
//
//   bench_lzcopy <medium folder\> <temporary folder\>
#include <windows.h>

#include <lzexpand.h>

#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) return 2;
    const char* const sources[] = {"_000010_", "_000020_", "_000030_"};
    const char* const destinations[] = {"kl4_inst.exe", "kl4_inst.hlp", "kl4_lang.dll"};
    for (int i = 0; i < 3; ++i) {
        OFSTRUCT from{}, to{};
        std::string source = std::string(argv[1]) + sources[i];
        std::string destination = std::string(argv[2]) + destinations[i];
        const INT in = LZOpenFileA(&source[0], &from, OF_READ);
        const INT out = LZOpenFileA(&destination[0], &to, OF_CREATE);
        if (in < 0 || out < 0 || LZCopy(in, out) < 0) return 1;
        LZClose(in);
        LZClose(out);
    }
    return 0;
}
