#include "pairing/PairingFault.h"
#include "pairing/PrepareStandings.h"
#include "pairing/Random.h"
#include "support/SimulatedTournament.h"
#include "support/TournamentTest.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace
{
// Seven participants, one absent, in the random starting pairing with its terms: every board
// sound. Each row breaks one promise of the pairing and names the fault it must give.
class PairingFaults : public CTournamentTest
{
protected:
    void SetUp() override
    {
        StartField(m_Tournament, 7);
        BuildHistory(m_Tournament, 2);
        Record(5).m_Absent = true;
        SeedRandom(3);
        PrepareStandings(m_Tournament);
    }

    int Opponent(int index) { return Record(index).m_Pairing.m_Opponent; }
    // The first playing participant paired with another one.
    int Paired()
    {
        for (int index = 2;; ++index)
            if (!Record(index).m_Absent && Opponent(index) != ByeRecord)
                return index;
    }
};

TEST_F(PairingFaults, EachBrokenPromiseIsNamed)
{
    ASSERT_EQ(PairingFault(m_Tournament), "");
    const std::vector<std::pair<std::function<void()>, std::string>> rows = {
        {[&] { Record(Opponent(Paired())).m_Pairing.m_Opponent = 0; }, "disagree"},
        {[&] { Record(Paired()).m_Pairing.m_White = !Record(Paired()).m_Pairing.m_White; },
         "same colour"},
        {[&] { Record(Paired()).m_Pairing.m_Cost += 1.0; }, "stores term"},
        {[&] { Record(5).m_Pairing.m_Opponent = Paired(); }, "absent 5 is paired"},
        {[&] { Record(Paired()).m_Pairing.m_Opponent = Paired(); }, "has opponent"},
        {[&] { Record(Paired()).m_Pairing.m_Opponent = 5; }, "meets absent 5"},
    };
    for (const auto& [breakPairing, fault] : rows)
    {
        SetUp();
        breakPairing();
        EXPECT_NE(PairingFault(m_Tournament).find(fault), std::string::npos)
            << fault << ": " << PairingFault(m_Tournament);
    }
}
} // namespace
