/*
** The multi-line editor has the keyboard as soon as its dialog opens: the remark dialog and the
** user-comment dialog, driven by the headless GUI back end.
*/
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "dialogs/comment.h"
#include "dialogs_fixture.h"

class EditorFocus : public DialogsTest {
  protected:
    /* The remark dialog's sheet is 456 x 296 around the screen centre; its OK button sits at the
  ** right of the button row. */
    static std::string Remark_Ok_Click()
    {
        int x2 = NPIXEL_X / 2 - 228 + 456, y2 = NPIXEL_Y / 2 - 148 + 296;
        return "click " + std::to_string(x2 - 8 - 35 + 10) + " " + std::to_string(y2 - 29 + 8)
               + "\n";
    }
    /* The comment dialog's sheet is 600 x 400 around the screen centre, its view area 4 and 37
  ** pixels in; the buttons "abbrechen" and "bestätigen" are 36 pixels wide, 40 apart, from 120
  ** pixels left of the area's right edge, 70 pixels down. */
    static std::string Comment_Click(int button)
    {
        int x1 = NPIXEL_X / 2 - 300 + 4, y1 = NPIXEL_Y / 2 - 200 + 37;
        return "click " + std::to_string(x1 + 592 - 120 + 40 * button + 18) + " "
               + std::to_string(y1 + 70 + 18) + "\n";
    }
};

TEST_F(EditorFocus, RemarkDialogTakesKeysTypedAtOnceAfterTheText)
{
    char *text = strdup("alt");
    /* no click into the editor: the keys go after the given text, Enter starts a new line */
    ZW_Test_Set_Script("type  neu\nkey Enter\ntype Zeile\n" + Remark_Ok_Click());
    EXPECT_EQ(Wdg_Edit_Remark(&text), 1);
    EXPECT_STREQ(text, "alt neu\nZeile");
    free(text);
}

TEST_F(EditorFocus, EscInTheFocusedEditorCancelsTheRemarkDialog)
{
    char *text = strdup("alt");
    /* Esc is not a character of the text: it leaves the editor and cancels; the later click on
  ** OK is left unread */
    ZW_Test_Set_Script("type xyz\nkey Esc\n" + Remark_Ok_Click());
    EXPECT_EQ(Wdg_Edit_Remark(&text), 0);
    EXPECT_STREQ(text, "alt");
    EXPECT_EQ(ZW_Test_Pending_Events(), 3) << "move, press and release of the click";
    free(text);
}

TEST_F(EditorFocus, CommentDialogTakesKeysTypedAtOnce)
{
    ZW_Test_Set_Script("type Hallo\n" + Comment_Click(2));
    char *text = strdup("alt ");
    char *after = Edit_User_Comment(text, "Vorbemerkungen");
    ASSERT_NE(after, nullptr);
    EXPECT_STREQ(after, "alt Hallo");
    EXPECT_EQ(ZW_Test_Pending_Events(), 0);
    free(after);
}

TEST_F(EditorFocus, CommentDialogCancelledAfterTypingKeepsTheText)
{
    ZW_Test_Set_Script("type Hallo\n" + Comment_Click(0));
    char *text = strdup("alt");
    char *after = Edit_User_Comment(text, "Vorbemerkungen");
    EXPECT_EQ(after, text);
    EXPECT_STREQ(after, "alt");
    EXPECT_EQ(ZW_Test_Pending_Events(), 0);
    free(after);
}
