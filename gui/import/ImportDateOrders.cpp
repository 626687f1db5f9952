#include "ImportDateOrders.h"
#include "core/framework/ISettingsStore.h"
#include "core/import/ImportText.h" // DateOrderWord
#include <QComboBox>
#include <QLabel>
#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

// Keys of any text, even a long header, as a short settings name.
std::string Fingerprint(std::string_view text) {
    std::uint64_t nHash = 14695981039346656037ull;
    for (unsigned char c : text)
        nHash = (nHash ^ c) * 1099511628211ull;
    char sz[17];
    std::snprintf(sz, sizeof sz, "%016llx", static_cast<unsigned long long>(nHash));
    return sz;
}

} // namespace

std::string DateOrderKey(EImportFormat format, std::string_view account) {
    static const char* const KINDS[] = {"ofx", "qif", "csv"};
    return std::string(KINDS[int(format)]) + "-" + Fingerprint(account);
}

EDateOrder LoadDateOrder(ISettingsStore& store, const std::string& strKey) {
    return DateOrderFromWord(store.GetString(DATE_ORDER_SECTION, strKey, ""))
        .value_or(EDateOrder::Auto);
}

void SaveDateOrder(ISettingsStore& store, const std::string& strKey, EDateOrder order) {
    if (order != EDateOrder::Auto)
        store.WriteString(DATE_ORDER_SECTION, strKey, DateOrderWord(order));
}

std::vector<CDateOrderChoice>
ReadableDateOrders(const CTallywiseDoc& doc, const std::function<CReadResult(EDateOrder)>& fnRead) {
    struct CTry {
        EDateOrder m_order;
        std::size_t m_nSkipped;
        int m_nDuplicates;
    };
    std::vector<CTry> tries;
    for (EDateOrder order : {EDateOrder::MDY, EDateOrder::DMY, EDateOrder::YMD}) {
        const CReadResult read = fnRead(order);
        if (!read.Ok())
            continue;
        const std::size_t nSkipped =
            std::count_if(read.m_txns.begin(), read.m_txns.end(),
                          [](const CImportTxn& t) { return !t.m_strSkip.empty(); });
        if (nSkipped == read.m_txns.size() && !read.m_txns.empty())
            continue;
        tries.push_back({order, nSkipped, BuildImportPlan(doc, read).m_nDuplicates});
    }
    std::vector<CDateOrderChoice> orders;
    if (tries.empty())
        return orders;
    const std::size_t nFewest =
        std::min_element(tries.begin(), tries.end(), [](const CTry& a, const CTry& b) {
            return a.m_nSkipped < b.m_nSkipped;
        })->m_nSkipped;
    for (const CTry& t : tries)
        if (t.m_nSkipped == nFewest)
            orders.push_back({t.m_order, t.m_nDuplicates});
    return orders;
}

EDateOrder PreferredDateOrder(const std::vector<CDateOrderChoice>& orders, EDateOrder remembered) {
    if (orders.empty())
        return EDateOrder::MDY;
    const CDateOrderChoice* pBest = &orders.front();
    for (const CDateOrderChoice& choice : orders) {
        if (choice.m_order == remembered)
            return remembered;
        if (choice.m_nDuplicates > pBest->m_nDuplicates)
            pBest = &choice;
    }
    return pBest->m_order;
}

const char* DateOrderTitle(EDateOrder order) {
    return order == EDateOrder::DMY   ? "Day first (DD/MM/YYYY)"
           : order == EDateOrder::YMD ? "Year first (YYYY/MM/DD)"
                                      : "Month first (MM/DD/YYYY)";
}

QComboBox* MakeDateOrderBox(QWidget* pParent, QLabel*& pLabel) {
    pLabel = new QLabel(
        QStringLiteral("The file does not tell the order of its dates. They are &written:"),
        pParent);
    auto* pBox = new QComboBox(pParent);
    pBox->setObjectName(QStringLiteral("dateOrder"));
    pBox->setAccessibleName(QStringLiteral("Date order"));
    pLabel->setBuddy(pBox);
    return pBox;
}

void ShowDateOrders(QLabel* pLabel, QComboBox* pBox, const std::vector<CDateOrderChoice>& orders,
                    EDateOrder current) {
    const bool bAsk = orders.size() > 1;
    pLabel->setVisible(bAsk);
    pBox->setVisible(bAsk);
    pBox->clear();
    for (const CDateOrderChoice& choice : orders) {
        pBox->addItem(QString::fromLatin1(DateOrderTitle(choice.m_order)));
        if (choice.m_order == current)
            pBox->setCurrentIndex(pBox->count() - 1);
    }
}
