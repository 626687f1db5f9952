#include "CCommandContext.h"
#include <QPrinter>

CCommandContext::CCommandContext(CTallywiseDoc& doc, CSettings& settings, IClock& clock,
                                 QWidget* pParent, IRegisterList& list)
    : m_doc(doc), m_settings(settings), m_clock(clock), m_pParent(pParent), m_list(list) {}

CCommandContext::~CCommandContext() = default;
