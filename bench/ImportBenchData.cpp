#include "ImportBenchData.h"
#include "core/framework/DateTime.h"
#include "core/framework/Format.h"

// Entry i: a day every 3 entries from 2015 on, amounts that repeat every 97.
void FillMatchingRegister(CTallywiseDoc& doc) {
    doc.OnNewDocument();
    std::vector<CEntry> entries(REGISTER_ENTRIES);
    for (int i = 0; i < REGISTER_ENTRIES; ++i) {
        CEntry& e = entries[static_cast<std::size_t>(i)];
        e.m_date = MakeLocalDate(2015, 1, 1 + i / 3);
        e.m_dAmount = 5.0 + i % 97;
        e.m_bDebit = i % 4 != 0;
        e.m_strDesc = "Store " + std::to_string(i);
        e.m_nType = TYPE_OTHER;
    }
    doc.InsertEntries(std::move(entries));
}

// The first half of the statement repeats the register; the second half is new.
std::string MakeStatement() {
    std::string s = "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nENCODING:USASCII\r\n"
                    "CHARSET:1252\r\n\r\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><CURDEF>USD"
                    "<BANKTRANLIST>\r\n";
    for (int i = 0; i < FILE_TRANSACTIONS; ++i) {
        const int k = i % REGISTER_ENTRIES;
        const std::time_t date = MakeLocalDate(2015 + i / REGISTER_ENTRIES * 5, 1, 1 + k / 3);
        const double dAmount = (5.0 + k % 97) * (k % 4 != 0 ? -1 : 1);
        s += Format("<STMTTRN><TRNTYPE>POS<DTPOSTED>%s120000.000[-5:EST]<TRNAMT>%.2f"
                    "<FITID>%d<NAME>STORE #%d<MEMO>Card purchase</STMTTRN>\r\n",
                    FormatDate(date, "%Y%m%d").c_str(), dAmount, i, k);
    }
    return s + "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\r\n";
}
