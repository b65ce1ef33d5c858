#pragma once

#include "HeadForm.h"

#include <QStringView>

#include <vector>

struct HeadLine
{
    std::vector<HeadForm> forms;
    // "modisto, | modista": masculine and feminine, paired with "Schneider, | Schneiderin" in the body.
    bool barPairs = false;
};

// Parses the first line of an article, e.g.
//   "Haus /hˈaʊs/ <neut, n, sg>"
//   "abejarrón /ˌaβexarˈon/ <n, m>, abejorro /ˌaβexˈoro/ <n, m>"      two headwords
//   "abatido, abatida /ˌaβatˈiðo/ /ˌaβatˈiða/ <adj>"                  two headwords, one pronunciation each
//   "Abfahrt /ˈapfˌɑːɾt/ (Abf. /ˈapf/) <fem, n, sg>"                  the abbreviation is left out
//   "…, das gebe ich gerne zu. /das ɡˈeːbə ɪç ɡˈɛɾnə tsˈuː/"          one phrase
class HeadLineParser
{
public:
    [[nodiscard]] static HeadLine parse(QStringView line);
};
