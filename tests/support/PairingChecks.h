#pragma once

#include "pairing/PairingFault.h"
#include "tournament/Vantor.h"

#include <gtest/gtest.h>

#include <string>

// Every playing participant has exactly one opponent, another playing participant or the bye
// record; opponents are mutual and have opposite colours; absent participants are unpaired;
// every stored term is current.
inline ::testing::AssertionResult IsCompletePairing(const CVantor& tournament)
{
    const std::string fault = PairingFault(tournament);
    if (fault.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << fault;
}
