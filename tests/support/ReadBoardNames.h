#pragma once

#include "pgn/PgnReader.h"

#include <string>
#include <vector>

// The names on the boards of a written round, White then Black of every board; false when the
// file does not read back to its end as games alone, without a diagnostic.
inline bool ReadBoardNames(const std::string& fileName, std::vector<std::string>& names)
{
    CPgnReader reader(fileName.c_str());
    CPgnGame game;
    while (reader.ReadGame(game))
    {
        if (game.contains("%"))
            return false;
        names.push_back(game["White"]);
        names.push_back(game["Black"]);
    }
    return reader.IsOk();
}
