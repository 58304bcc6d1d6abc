// marrowen-content --out DIR [--preview PREVIEW_DIR]
// Writes img/ and aud/ under DIR, and the desktop icon in icon/; with --preview, also PNG
// previews of them.
#include <cstdio>
#include <cstring>
#include <string>

#include "generators.h"

int main(int argc, char** argv)
{
    std::string output;
    std::string preview;
    for (int i = 1; i + 1 < argc; i += 2)
    {
        if (std::strcmp(argv[i], "--out") == 0)
        {
            output = argv[i + 1];
        }
        else if (std::strcmp(argv[i], "--preview") == 0)
        {
            preview = argv[i + 1];
        }
    }
    if (output.empty() && preview.empty())
    {
        fprintf(stderr, "usage: marrowen-content --out DIR [--preview PREVIEW_DIR]\n");
        return 2;
    }
    if (!output.empty())
    {
        content::ContentWriter writer(output);
        content::GenerateAll(writer);
    }
    if (!preview.empty())
    {
        content::WritePreviews(output.empty() ? "." : output, preview);
    }
    return 0;
}
