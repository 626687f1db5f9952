#include "DocStrings.h"
#include <sstream>

std::string GetDocString(EDocString n) {
    std::istringstream in(DOC_TEMPLATE);
    std::string strLine;
    for (int i = 0; std::getline(in, strLine); ++i)
        if (i == n)
            return strLine;
    return "";
}
