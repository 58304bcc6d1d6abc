// The dialogue parser on any text: what it accepts has named conversations, each with lines
// that end in their only ";" and are spoken by a character of the game or by nobody, and every
// choice's wordings of one length.
#include <cstdlib>

#include "conversationscript.h"
#include "scriptline.h"
#include "speakers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* aData, size_t aSize)
{
    const std::string text(reinterpret_cast<const char*>(aData), aSize);
    std::vector<ConversationScript> scripts;
    std::string problem;
    if (!ParseDialogue(text, scripts, problem))
    {
        return problem.rfind("line ", 0) == 0 ? 0 : (std::abort(), 0);
    }
    for (const ConversationScript& script : scripts)
    {
        if (script.name.empty() || script.LineCount() == 0)
        {
            std::abort();
        }
        for (const ScriptStretch& stretch : script.stretches)
        {
            for (const ScriptWording& wording : stretch.wordings)
            {
                if (wording.lines.size() != stretch.wordings.front().lines.size())
                {
                    std::abort();
                }
            }
        }
        for (const std::string& line : script.AllLines())
        {
            if (line.empty() || line.find(';') != line.size() - 1 ||
                FindSpeaker(ParseScriptLine(line).label) == nullptr)
            {
                std::abort();
            }
        }
    }
    return 0;
}
