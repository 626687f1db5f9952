#pragma once
// Reading the bank files the import tests share.
#include "../support/Fakes.h"
#include "core/framework/DateTime.h"
#include "core/import/Import.h"
#include "core/import/ImportText.h"
#include <optional>
#include <string>

inline const std::string SAMPLES = std::string(TW_TEST_DATA) + "/import-samples/";

inline std::string Bytes(const std::string& strPath) {
    const std::vector<std::uint8_t> v = ReadBytes(strPath);
    return std::string(v.begin(), v.end());
}

inline CReadResult ReadSample(const std::string& strRel, EDateOrder order = EDateOrder::Auto,
                              std::optional<CCsvMapping> mapping = std::nullopt) {
    const std::string path = SAMPLES + strRel;
    const std::string bytes = Bytes(path);
    return ReadImportFile(GuessImportFormat(path, bytes), bytes, order, mapping);
}

inline CReadResult ReadText(EImportFormat format, const std::string& text,
                            EDateOrder order = EDateOrder::Auto) {
    return ReadImportFile(format, text, order, std::nullopt);
}

inline std::string Ymd(std::time_t t) {
    return FormatDate(t, "%Y-%m-%d");
}
