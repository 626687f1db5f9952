#pragma once
#include <cstdint>
#include <ctime>
#include <string>

// Entry type codes.
enum : std::int8_t {
    TYPE_CHECK = 0,
    TYPE_ATM = 1,
    TYPE_CHECKCARD = 2,
    TYPE_TELLER = 3,
    TYPE_OTHER = 4,
    TYPE_USER1 = 5,        // 5..8: user-defined types 1..4
    TYPE_STARTBAL_20 = 100 // only inside version 2.0 files
};

// The fields shared by register entries and deleted entries. They are laid out to pack
// tightly (a long register holds tens of thousands); the file keeps its own order.
struct CEntryFields {
    std::time_t m_date = 0;
    std::string m_strDesc;
    double m_dAmount = 0.0;
    double m_dBalance = 0.0;
    std::uint32_t m_bDebit = 1;
    std::uint32_t m_bCleared = 0;
    std::uint16_t m_nCheckNum = 0;
    std::int8_t m_nType = TYPE_CHECK;
};

// A register entry; its place in the register is its position in the document's store.
struct CEntry : CEntryFields {};

// An entry kept for Undo Delete, with a balance of 0.
struct CDeletedEntry : CEntryFields {};
