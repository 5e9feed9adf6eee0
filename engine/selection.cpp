#include "engine/selection.h"

#include "engine/gridtables.h"

#include <algorithm>

int pcomptecoche(const Selection &s)
{
    return static_cast<int>(std::count(s.tabcoche.begin() + 1, s.tabcoche.end(), 1));
}

void pdecochetout(Selection &s)
{
    s.tabnumsel.fill(0);
    s.tabcoche.fill(0);
}

void pconstruitnumsel(Selection &s)
{
    s.tabnumsel.fill(0);
    std::size_t slot = 1;
    for (int n = 1; n <= 99; ++n) {
        if (s.tabcoche[static_cast<std::size_t>(n)] == 1)
            s.tabnumsel[slot++] = static_cast<std::int16_t>(n);
    }
}

void pajoutenumsel(Selection &s, int n)
{
    const auto free = std::find(s.tabnumsel.begin() + 1, s.tabnumsel.begin() + 99, 0);
    if (free != s.tabnumsel.begin() + 99)
        *free = static_cast<std::int16_t>(n);
}

void pretirenumsel(Selection &s, int n)
{
    const auto found = std::find(s.tabnumsel.begin() + 1, s.tabnumsel.begin() + 99, n);
    if (found == s.tabnumsel.begin() + 99)
        return;
    std::copy(found + 1, s.tabnumsel.end(), found);
    s.tabnumsel[99] = 0;
}

bool basculecoche(Selection &s, int n)
{
    auto &flag = s.tabcoche[static_cast<std::size_t>(n)];
    if (flag == 0) {
        pajoutenumsel(s, n);
        flag = 1;
    } else {
        pretirenumsel(s, n);
        flag = 0;
    }
    return flag == 1;
}

void pcommenceparcours(Selection &s, int method, int nbgrilles)
{
    s.grillecourante = 1;
    s.methodecourante = method;
    s.nbgrillescourant = nbgrilles;
}

bool pdeveloppegrille(Selection &s, int i)
{
    if (i > s.nbgrillescourant)
        return false;
    std::fill(s.tabgrille.begin() + 1, s.tabgrille.end(), 0);
    if (i < 1 || i > gridCount(s.methodecourante))
        return true;
    for (const std::uint8_t p : gridPositions(s.methodecourante, i)) {
        const int n = s.tabnumsel[p];
        if (n >= 1 && n <= 99)
            s.tabgrille[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}
