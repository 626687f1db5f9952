#include "../support/Fakes.h"
#include "core/document/Protection.h"
#include <gtest/gtest.h>

TEST(ProtectionTest, SetChangeAndRemove) {
    const struct {
        const char* pszName;
        bool bOn; // protected before
        const char* pszNew;
        bool bModified;
        std::uint32_t bPassword;
        const char* pszPassword;
        const char* pszMessage;
    } cases[] = {
        {"empty sets nothing", false, "", false, 0, "", NO_PASSWORD_SET},
        {"set", false, "Abc", true, 1, "Abc", PASSWORD_SET},
        {"change", true, "Xyz", true, 1, "Xyz", PASSWORD_CHANGED},
        {"remove", true, "", true, 0, "", PASSWORD_REMOVED},
    };
    for (const auto& c : cases) {
        CTestDoc t;
        CTallywiseDoc& doc = t.Doc();
        if (c.bOn) {
            doc.SetPassword("Old");
            StartClean(t);
            ChangePassword(doc, c.pszNew);
        } else {
            SetPassword(doc, c.pszNew);
        }
        EXPECT_EQ(doc.IsModified(), c.bModified) << c.pszName;
        EXPECT_EQ(doc.IsPasswordSet(), c.bPassword == 1) << c.pszName;
        EXPECT_EQ(doc.Password(), c.pszPassword) << c.pszName;
        ASSERT_EQ(t.m_messages.m_shown.size(), 1u) << c.pszName;
        EXPECT_EQ(t.m_messages.m_shown[0].m_strText, c.pszMessage) << c.pszName;
        EXPECT_EQ(t.m_messages.m_shown[0].m_icon, EMsgIcon::Information) << c.pszName;
    }
}

// The password set through the command is the one a later open asks for.
TEST(ProtectionTest, TakesEffectInTheFileAtTheNextSave) {
    CTestDoc t;
    const std::string strPath = t.Path("Safe.twd");
    ASSERT_TRUE(t.Doc().OnSaveDocument(strPath));
    SetPassword(t.Doc(), "Caf\xC3\xA9");
    {
        CTestDoc u; // the file on disk keeps its old protection until saved
        ASSERT_TRUE(u.Doc().OnOpenDocument(strPath).Ok());
        EXPECT_TRUE(u.m_password.m_asked.empty());
    }
    ASSERT_TRUE(t.Doc().OnSaveDocument(strPath));
    CTestDoc u;
    u.m_password.m_answers = {"caf\xC3\xA9", "Caf\xC3\xA9"};
    ASSERT_TRUE(u.Doc().OnOpenDocument(strPath).Ok());
    EXPECT_EQ(u.m_messages.Texts(), std::vector<std::string>{"Password is not correct"});

    ChangePassword(u.Doc(), "");
    ASSERT_TRUE(u.Doc().OnSaveDocument(strPath));
    CTestDoc v;
    ASSERT_TRUE(v.Doc().OnOpenDocument(strPath).Ok());
    EXPECT_TRUE(v.m_password.m_asked.empty());
    EXPECT_FALSE(v.Doc().IsPasswordSet());
}

TEST(ProtectionTest, BankInfoMarksModifiedAndReachesTheTextCopy) {
    CTestDoc t;
    CTallywiseDoc& doc = t.Doc();
    SetBankInfo(doc, "", "", "");
    EXPECT_TRUE(doc.IsModified()); // also when nothing changed
    SetBankInfo(doc, "Caisse d'\xC3\xA9pargne", "12-34", "J. Doe");
    EXPECT_EQ(doc.BankInfo().m_strBankName, "Caisse d'\xC3\xA9pargne");
    const std::string strText = doc.BuildTextRegister(0, 0, 0, false);
    EXPECT_EQ(strText.rfind("Bank Name: Caisse d'\xE9pargne\r\nAccount Number: 12-34\r\n"
                            "Name on Account: J. Doe\r\n",
                            0),
              0u);
}
