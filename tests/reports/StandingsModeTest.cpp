#include "support/RunVantor.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace
{
struct CStandingsRun
{
    const char* m_What;
    std::vector<std::string> m_Options;
    std::string m_Input;
    std::string m_Stdout;
    int m_Warnings = 0; // the lines on standard error, each a warning
};

// Names in UTF-8 align by characters; a withdrawn participant keeps his row; CSV quotes what
// needs it.
const std::string SmallTournament = R"([White "Müller, Jörg"]
[WhiteElo "2105"]
[Black "Ødegaard"]
[BlackElo "1980"]
[Round "1"]
[Result "1-0"]
1-0

[White "Li \"Ace\" Chen"]
[WhiteElo "1890"]
[Black "BYE"]
[Round "1"]
[Result "1-0"]
1-0

%remove "Ødegaard"
[White "Li \"Ace\" Chen"]
[WhiteElo "1890"]
[Black "Müller, Jörg"]
[BlackElo "2105"]
[Round "2"]
[Result "1/2-1/2"]
1/2-1/2
)";

// Names that a spreadsheet would take for a formula, and one that would move a terminal's cursor.
const std::string HostileNames =
    "[White \"=1+1\"][Black \"-Anna\"][Round \"1\"][Result \"1-0\"] 1-0\n"
    "[White \"Up\x1B[1A\"][Black \"@Bob\"][Round \"1\"][Result \"0-1\"] 0-1\n";

// A forfeit's cell names the opponent paired: won "+", lost (or neither came) "-".
const std::string Forfeits =
    "%new \"Pia\" \"0\"\n%new \"Quin\" \"0\"\n%new \"Rolf\" \"0\"\n%new \"Sven\" \"0\"\n"
    "[White \"Pia\"][Black \"BYE\"][Round \"1.1\"][Result \"1-0\"][Forfeit \"+-\"]"
    "[PairedBlack \"Quin\"] 1-0\n"
    "[White \"Rolf\"][Black \"Sven\"][Round \"1.2\"][Result \"*\"][Forfeit \"--\"] *\n";

// Too wide for a printed page in one table, the text puts the crosstable below the figures.
// Ann's second game of round 1 replaced her first in her record, and Cid's in his; Bea's and
// Dee's records still hold the first ones.
const std::string SecondGames = "[White \"Ann\"][Black \"Bea\"][Round \"1\"][Result \"1-0\"] 1-0\n"
                                "[White \"Cid\"][Black \"Dee\"][Round \"1\"][Result \"1-0\"] 1-0\n"
                                "[White \"Ann\"][Black \"Cid\"][Round \"1\"][Result \"1-0\"] 1-0\n";

const std::vector<CStandingsRun> Runs{
    {"text of games that only one side's record holds",
     {},
     SecondGames,
     "Place  No.  Name  Rating  Points  BH-C1  BH  SB  Games    R1\n"
     "    1    1  Ann        0       1      0   0   0      1   3w1\n"
     "    2    2  Bea        0       0      0   1   0      1  1b0?\n"
     "    2    3  Cid        0       0      0   1   0      1   1b0\n"
     "    4    4  Dee        0       0      0   0   0      1  3b0?\n",
     2},
    {"text with forfeits",
     {},
     Forfeits,
     "Place  No.  Name  Rating  Points  BH-C1  BH  SB  Games  R1\n"
     "    1    1  Pia        0       1      0   1   1      0  2+\n"
     "    2    2  Quin       0       0      0   0   0      0  1-\n"
     "    2    3  Rolf       0       0      0   0   0      0  4-\n"
     "    2    4  Sven       0       0      0   0   0      0  3-\n"},
    {"text",
     {},
     SmallTournament,
     "Place  No.  Name                  Rating  Points  BH-C1   BH    SB  Games\n"
     "    1    3  Li \"Ace\" Chen           1890     1.5    1.5    3  2.25      1\n"
     "    2    1  Müller, Jörg            2105     1.5    1.5    2  1.25      2\n"
     "    3    2  Ødegaard (withdrawn)    1980       0    1.5  1.5     0      1\n"
     "\n"
     "Place  No.  Name                    R1   R2\n"
     "    1    3  Li \"Ace\" Chen         bye1  1w½\n"
     "    2    1  Müller, Jörg           2w1  3b½\n"
     "    3    2  Ødegaard (withdrawn)   1b0    -\n"},
    {"CSV",
     {"--csv"},
     SmallTournament,
     "\xEF\xBB\xBFPlace,No.,Name,Status,Rating,Points,BH-C1,BH,SB,Games,R1,R2\r\n"
     "1,3,\"Li \"\"Ace\"\" Chen\",,1890,1.5,1.5,3,2.25,1,bye1,1w½\r\n"
     "2,1,\"Müller, Jörg\",,2105,1.5,1.5,2,1.25,2,2w1,3b½\r\n"
     "3,2,Ødegaard,withdrawn,1980,0,1.5,1.5,0,1,1b0,-\r\n"},
    {"text of hostile names",
     {},
     HostileNames,
     "Place  No.  Name       Rating  Points  BH-C1  BH  SB  Games   R1\n"
     "    1    1  =1+1            0       1      0   0   0      1  2w1\n"
     "    1    3  @Bob            0       1      0   0   0      1  4b1\n"
     "    3    2  -Anna           0       0      0   1   0      1  1b0\n"
     "    3    4  Up\\x1B[1A       0       0      0   1   0      1  3w0\n"},
    {"CSV of hostile names",
     {"--csv"},
     HostileNames,
     "\xEF\xBB\xBFPlace,No.,Name,Status,Rating,Points,BH-C1,BH,SB,Games,R1\r\n"
     "1,1,'=1+1,,0,1,0,0,0,1,2w1\r\n"
     "1,3,'@Bob,,0,1,0,0,0,1,4b1\r\n"
     "3,2,'-Anna,,0,0,0,1,0,1,1b0\r\n"
     "3,4,Up\x1B[1A,,0,0,0,1,0,1,3w0\r\n"},
};

TEST(StandingsMode, PrintsTheStandingsAsTextOrCsv)
{
    for (const CStandingsRun& expected : Runs)
    {
        SCOPED_TRACE(expected.m_What);
        const CTemporaryFolder folder;
        std::vector<std::string> arguments{"--standings"};
        arguments.insert(arguments.end(), expected.m_Options.begin(), expected.m_Options.end());
        arguments.push_back(folder.Write("in.pgn", expected.m_Input));
        const CVantorRun run = RunVantor(arguments, folder);
        EXPECT_EQ(run.m_Status, 0);
        EXPECT_EQ(std::count(run.m_Stderr.begin(), run.m_Stderr.end(), '\n'), expected.m_Warnings);
        EXPECT_EQ(run.m_Stderr.find("warning: ") == 0, expected.m_Warnings > 0) << run.m_Stderr;
        EXPECT_EQ(run.m_Stdout, expected.m_Stdout);
    }
}

using CsvRecord = std::vector<std::string>;

// The records of CSV text whose fields need no quotes, as the simulation's names do, after its
// byte-order mark.
std::vector<CsvRecord> SplitCsv(const std::string& text)
{
    std::vector<CsvRecord> records;
    EXPECT_TRUE(text.starts_with("\xEF\xBB\xBF"));
    std::istringstream lines(text.substr(3));
    for (std::string line; std::getline(lines, line);)
    {
        line.pop_back(); // the CR of the line end
        records.emplace_back();
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');)
            records.back().push_back(field);
    }
    return records;
}

enum EField : std::size_t
{
    PlaceField,
    NumberField,
    NameField,
    StatusField,
    RatingField,
    PointsField,
    GamesField = PointsField + 4,
    FirstRoundField,
};

// "12w1", "3b½", "bye1", "-".
double CellPoints(const std::string& cell)
{
    return cell.ends_with("½") ? 0.5 : (cell.back() == '1' ? 1.0 : 0.0);
}

// A game's cell as the opponent's row must show it: "12w1" in the row of start number 3 is
// answered by "3b0" in the row of start number 12.
bool IsAnswered(const std::vector<CsvRecord>& rows, const CsvRecord& row, std::size_t field)
{
    const std::string& cell = row[field];
    const std::size_t colour = cell.find_first_of("wb");
    const double points = 1.0 - CellPoints(cell);
    const std::string answer = row[NumberField] + (cell[colour] == 'w' ? "b" : "w") +
                               (points == 0.5 ? "½" : (points == 1.0 ? "1" : "0"));
    return std::any_of(rows.begin(), rows.end(),
                       [&](const CsvRecord& other) {
                           return other[NumberField] == cell.substr(0, colour) &&
                                  other[field] == answer;
                       });
}

// Points and games agree with the cells, and every game is seen from both sides.
void ExpectConsistentCells(const std::vector<CsvRecord>& rows)
{
    for (const CsvRecord& row : rows)
    {
        double points = 0.0;
        int games = 0;
        for (std::size_t field = FirstRoundField; field < row.size(); ++field)
        {
            points += CellPoints(row[field]);
            if (std::isdigit(static_cast<unsigned char>(row[field][0])) == 0)
                continue;
            ++games;
            EXPECT_TRUE(IsAnswered(rows, row, field))
                << row[NameField] << " R" << field - FirstRoundField + 1;
        }
        EXPECT_EQ(std::stod(row[PointsField]), points) << row[NameField];
        EXPECT_EQ(std::stoi(row[GamesField]), games) << row[NameField];
    }
}

void ExpectOrderAndPlaces(const std::vector<CsvRecord>& rows)
{
    const auto figures = [](const CsvRecord& row)
    {
        return std::make_tuple(std::stod(row[PointsField]), std::stod(row[PointsField + 1]),
                               std::stod(row[PointsField + 2]), std::stod(row[PointsField + 3]));
    };
    for (std::size_t k = 0; k < rows.size(); ++k)
    {
        const bool shares = k > 0 && figures(rows[k - 1]) == figures(rows[k]);
        EXPECT_TRUE(k == 0 || figures(rows[k - 1]) >= figures(rows[k])) << rows[k][NameField];
        EXPECT_EQ(rows[k][PlaceField], shares ? rows[k - 1][PlaceField] : std::to_string(k + 1))
            << rows[k][NameField];
    }
}

TEST(StandingsMode, ASimulatedTournamentReadsBackWholeAndInOrder)
{
    const CTemporaryFolder folder;
    const std::string input = folder.Path("tournament.pgn");
    ASSERT_EQ(RunProgram(VANTOR_SIMULATE, {"40", "7", input}, folder).m_Status, 0);
    const CVantorRun run = RunVantor({"--standings", "--csv", input}, folder);
    ASSERT_EQ(run.m_Status, 0) << run.m_Stderr;
    std::vector<CsvRecord> rows = SplitCsv(run.m_Stdout);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(),
              (CsvRecord{"Place", "No.", "Name", "Status", "Rating", "Points", "BH-C1", "BH", "SB",
                         "Games", "R1", "R2", "R3", "R4", "R5", "R6", "R7"}));
    rows.erase(rows.begin());

    // The simulation enters Player 41 late, withdraws Player 14 for good and lets Player 21 miss
    // a round. The others are numbered by rating, and the late entry after them.
    std::map<int, const CsvRecord*> numbered;
    std::set<std::string> names;
    std::set<std::string> withdrawn;
    for (const CsvRecord& row : rows)
    {
        ASSERT_EQ(row.size(), FirstRoundField + 7) << row[NameField];
        numbered[std::stoi(row[NumberField])] = &row;
        names.insert(row[NameField]);
        if (row[StatusField] == "withdrawn")
            withdrawn.insert(row[NameField]);
    }
    ASSERT_EQ(numbered.size(), 41U);
    EXPECT_EQ(numbered.begin()->first, 1);
    EXPECT_EQ((*numbered[41])[NameField], "Player 41");
    for (int number = 2; number <= 40; ++number)
        EXPECT_GE(std::stoi((*numbered[number - 1])[RatingField]),
                  std::stoi((*numbered[number])[RatingField]));
    std::set<std::string> entered;
    for (int k = 1; k <= 41; ++k)
        entered.insert("Player " + std::to_string(k));
    EXPECT_EQ(names, entered);
    EXPECT_EQ(withdrawn, std::set<std::string>{"Player 14"});
    ExpectOrderAndPlaces(rows);
    ExpectConsistentCells(rows);
}
} // namespace
