#include "CDescList.h"
#include "Limits.h"
#include <algorithm>

bool CanAddDescription(const CDescList& descs, const std::string& strText) {
    return descs.size() < static_cast<std::size_t>(MAX_DESCS) && !strText.empty() &&
           std::find(descs.begin(), descs.end(), strText) == descs.end();
}
