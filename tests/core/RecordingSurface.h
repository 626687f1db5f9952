#pragma once
#include "core/printing/IPrintSurface.h"
#include <string>
#include <vector>

// A page of fixed size whose font is as tall as asked plus 35 twips of internal leading
// and whose characters are all a quarter of the font's height wide (40 twips at 8 points).
// It keeps everything drawn on it.
class CRecordingSurface : public IPrintSurface {
public:
    struct CText {
        CTwipRect m_rc;
        std::string m_strText;
        ETextAlign m_align;
        CPrintFont m_font;
    };
    struct CLine {
        int m_nX1, m_nY1, m_nX2, m_nY2;
    };

    CTwipRect m_rcPrintable{0, 0, 11520, -15120}; // 8 x 10.5 inches
    CPrintFont m_font{"System", 240, 700};
    int m_nExternalLeading = 0;
    std::vector<CText> m_texts;
    std::vector<CLine> m_lines;

    CTwipRect PrintableRect() const override { return m_rcPrintable; }
    CPrintFont SelectFont(const CPrintFont& font) override {
        CPrintFont old = m_font;
        m_font = font;
        return old;
    }
    CTextMetrics TextMetrics() const override {
        return {m_font.m_nHeight + 35, m_nExternalLeading};
    }
    int TextWidth(const std::string& strText) const override {
        return CharWidth(m_font) * static_cast<int>(strText.size());
    }
    void DrawText(const CTwipRect& rc, const std::string& strText, ETextAlign align) override {
        m_texts.push_back({rc, strText, align, m_font});
    }
    void DrawLine(int nX1, int nY1, int nX2, int nY2) override {
        m_lines.push_back({nX1, nY1, nX2, nY2});
    }

    static int CharWidth(const CPrintFont& font) { return font.m_nHeight / 4; }

    void Clear() {
        m_texts.clear();
        m_lines.clear();
    }
    const CText* Find(const std::string& strText) const {
        for (const CText& t : m_texts)
            if (t.m_strText == strText)
                return &t;
        return nullptr;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> v;
        for (const CText& t : m_texts)
            v.push_back(t.m_strText);
        return v;
    }
};
