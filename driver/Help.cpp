#include "driver/Failure.h"
#include "driver/RunModes.h"

#include <iostream>

int PrintHelp()
{
    std::cout << FailureClasses.front().m_Line << "\n"
              << "Pairs the next round of a Swiss-system chess tournament kept in one PGN file.\n"
                 "\n"
                 "  vantor <input pgn file> <output pgn file>\n"
                 "      read the tournament, pair the next round, write it to the output file\n"
                 "  vantor --check <input pgn file>\n"
                 "      say what looks wrong in the file; exit status 1 when anything does\n"
                 "  vantor --standings [--csv] <input pgn file>\n"
                 "      print the standings with tie-breaks and a crosstable (--csv: as CSV)\n"
                 "  vantor --audit <input pgn file>\n"
                 "      check every round, and the next one, against the basic Swiss rules\n"
                 "  vantor --help | --version\n"
                 "\n"
                 "The escape commands, the weights and the exit status: man vantor\n";
    return 0;
}

int PrintVersion()
{
    std::cout << "vantor " << VANTOR_VERSION << "\n";
    return 0;
}
