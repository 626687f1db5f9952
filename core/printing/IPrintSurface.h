#pragma once
#include <string>

// What the printed register is drawn on. Coordinates are twips (1/1440 inch) with y
// growing upward, so moving down the page subtracts from y.
struct CTwipRect {
    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nRight = 0;
    int m_nBottom = 0;
    bool operator==(const CTwipRect&) const = default;
};

enum class ETextAlign { Left, Centre, Right };

// A font by face and character height in twips (the em, without internal leading).
struct CPrintFont {
    std::string m_strFace;
    int m_nHeight = 0;
    int m_nWeight = 400;
    bool operator==(const CPrintFont&) const = default;
};

struct CTextMetrics {
    int m_nHeight = 0; // ascent + descent
    int m_nExternalLeading = 0;
};

class IPrintSurface {
public:
    virtual ~IPrintSurface() = default;
    // The printable area of the page: top 0, bottom negative.
    virtual CTwipRect PrintableRect() const = 0;
    // Selects a font and hands back the one it replaces.
    virtual CPrintFont SelectFont(const CPrintFont& font) = 0;
    virtual CTextMetrics TextMetrics() const = 0;
    virtual int TextWidth(const std::string& strText) const = 0;
    // One line, vertically centred in rc, aligned as asked.
    virtual void DrawText(const CTwipRect& rc, const std::string& strText, ETextAlign align) = 0;
    virtual void DrawLine(int nX1, int nY1, int nX2, int nY2) = 0;
};
