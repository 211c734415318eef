// The fourteen secondary windows: caption and client size, and layouts a person can
// read (every shown control inside the window, wide enough for its caption, and
// clear of its neighbours).
#include "app/TForm2.h"
#include "app/TForm4.h"
#include "lattice/TForm10.h"
#include "lattice/TForm11.h"
#include "lattice/TForm12.h"
#include "lattice/TForm13.h"
#include "lattice/TForm14.h"
#include "lattice/TForm15.h"
#include "lattice/TForm16.h"
#include "lattice/TForm17.h"
#include "lattice/TForm3.h"
#include "lattice/TForm5.h"
#include "lattice/TForm6.h"
#include "lattice/TForm8.h"

#include <QLabel>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<Form>()> make;
    const char* caption;
    QSize clientSize;
};

template <class T>
std::unique_ptr<Form> Make()
{
    return std::make_unique<T>();
}

const WindowCase kWindows[] = {
    {"TForm2", Make<TForm2>, "About", {237, 174}},
    {"TForm3", Make<TForm3>, "Show initial", {403, 437}},
    {"TForm4", Make<TForm4>, "Help", {677, 212}},
    {"TForm5", Make<TForm5>, "Show T6", {455, 289}},
    {"TForm6", Make<TForm6>, "Show RCA", {1010, 716}},
    {"TForm8", Make<TForm8>, "Form8", {723, 573}},
    {"TForm10", Make<TForm10>, "Correct- incorrect mask", {720, 460}},
    {"TForm11", Make<TForm11>, "Improove", {480, 360}},
    {"TForm12", Make<TForm12>, "Y", {794, 509}},
    {"TForm13", Make<TForm13>, "Is MASK RCA", {962, 644}},
    {"TForm14", Make<TForm14>, "Help", {639, 237}},
    {"TForm15", Make<TForm15>, "Show SQUARE RCA", {488, 635}},
    {"TForm16", Make<TForm16>, "Form16", {870, 500}},
    {"TForm17", Make<TForm17>, "Form17", {870, 500}},
};

}  // namespace

TEST(SecondaryWindows, CaptionsAndClientSizes)
{
    for (const WindowCase& w : kWindows) {
        const auto form = w.make();
        EXPECT_EQ(form->windowTitle(), w.caption) << w.name;
        EXPECT_EQ(form->client()->size(), w.clientSize) << w.name;
    }
}

TEST(SecondaryWindows, ShownControlsFitTheirCaptionsAndDoNotOverlap)
{
    for (const WindowCase& w : kWindows) {
        const auto form = w.make();
        const QRect area(QPoint(0, 0), w.clientSize);
        std::vector<QWidget*> shown;
        for (QWidget* c : form->client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (!c->isHidden())
                shown.push_back(c);
        for (size_t i = 0; i < shown.size(); ++i) {
            const QString name = QString(w.name) + "::" + shown[i]->objectName();
            const QRect g = shown[i]->geometry();
            EXPECT_TRUE(area.contains(g)) << name.toStdString();
            const QSize need = shown[i]->minimumSizeHint().expandedTo(
                qobject_cast<QLabel*>(shown[i]) ? shown[i]->sizeHint() : QSize());
            EXPECT_GE(g.width(), need.width()) << name.toStdString();
            EXPECT_GE(g.height(), need.height()) << name.toStdString();
            for (size_t j = i + 1; j < shown.size(); ++j)
                EXPECT_FALSE(g.intersects(shown[j]->geometry()))
                    << name.toStdString() << " / " << shown[j]->objectName().toStdString();
        }
    }
}

TEST(SecondaryWindows, AboutShowsTheVersionDate)
{
    TForm2 about;
    EXPECT_EQ(about.Label2->text(), "6.08.13");
    TForm4 help;
    EXPECT_EQ(help.Label1->text(), "See files Vesmark.html, examples.html and table.html");
}
