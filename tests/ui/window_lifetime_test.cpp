#include <QLineEdit>
#include <QPointer>

#include "device_state.h"
#include "eq_scales.h"
#include "tform4.h"
#include "window_fixture.h"

namespace ampdesk::test {
namespace {

// A shown window that goes away takes the focus out of the field being
// edited; the field's handler must still find the window's members (the
// protocol state among them), as it does when the window is closed by hand.
TEST(WindowLifetime, AFieldLeftAsTheWindowGoesStillFindsTheWindowsMembers) {
    WindowFixture f(Edition::A);
    f.finishStartup();
    f.showActive();
    TForm1* w = f.form.get();
    w->RzEdit206->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(w->RzEdit206->hasFocus());
    // Goes with the window's members, so it tells whether they are still there.
    const QPointer<TForm4> member = w->form4();
    bool handled = false;
    bool membersThere = false;
    int seen = -1;
    QObject::connect(w->RzEdit206, &QLineEdit::editingFinished, w, [&, w] {
        handled = true;
        membersThere = !member.isNull();
        if (membersThere) seen = w->state().lpf(kSectionMaster).FreqIndex;
    });
    f.form.reset();
    EXPECT_TRUE(handled);
    EXPECT_TRUE(membersThere);
    EXPECT_EQ(seen, kFreqIndexMax);
}

}  // namespace
}  // namespace ampdesk::test
