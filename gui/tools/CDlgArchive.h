#pragma once
#include "gui/framework/CDlgBase.h"
#include <ctime>
#include <string>

class CCommandContext;

class CDateFieldPopup;
struct CDayMonthYear;
class QLineEdit;
class QPushButton;

// "Archive Old Entries": the dates and the file of an archive. The caller sets the start,
// end and latest dates and the file name; on OK it reads the end date, the file name and
// whether the user agreed to replace an existing file of that name.
//
// Object names: "startDate", "endDate", "fileName", "change", "ok", "cancel".
class CDlgArchive : public CDlgBase {
    Q_OBJECT
public:
    explicit CDlgArchive(QWidget* pParent = nullptr);

    std::time_t m_startDate = 0;
    std::time_t m_endDate = 0;
    std::time_t m_latestDate = 0;
    std::string m_strFileName;
    bool m_bMayReplace = false;
    // The register's own file: OK refuses it, its .bak and its .txt as the archive.
    std::string m_strDocPath;

protected:
    void OnInitDialog() override;
    bool OnOK() override;

private:
    void OnEndDatePicked(const CDayMonthYear& date);
    void OnChange();
    void ShowEndDate();

    QLineEdit* m_pStartDate;
    QLineEdit* m_pEndDate;
    QLineEdit* m_pFileName;
    QPushButton* m_pChange;
    QPushButton* m_pOk;
    QPushButton* m_pCancel;
    CDateFieldPopup* m_pDatePopup;
};

// File > Archive: moves the entries of a date range into an archive file.
void OnArchive(CCommandContext& context);
