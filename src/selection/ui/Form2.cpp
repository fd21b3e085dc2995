#include "selection/ui/Form2.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <string>
#include <vector>

#include "app/CalculationState.h"
#include "app/ui/Pages.h"
#include "forms/ui/Fonts.h"
#include "selection/RatingCatalogue.h"
#include "selection/SelectionLists.h"
#include "selection/ui/Form1.h"
#include "selection/ui/Form3.h"
#include "selection/ui/SelectionBackground.h"

namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

template <typename Texts>
void refill(QComboBox* list, const Texts& items) {
    const QSignalBlocker quiet(list);
    list->clear();
    for (const auto& item : items) list->addItem(text(item));
}

// The accessibility interface opens a list by calling it, past the message
// box in front and on a page out of sight; the mouse can do neither.
class PageList : public QComboBox {
public:
    using QComboBox::QComboBox;
    void showPopup() override {
        if (auto* page = qobject_cast<Page*>(window()); page == nullptr || page->takesCommands())
            QComboBox::showPopup();
    }
};

QComboBox* makeList(QWidget* parent, const QRect& geometry) {
    auto* list = new PageList(parent);
    list->setEditable(false);
    list->setGeometry(geometry);
    list->setFont(pageFont(9));
    QPalette palette = list->palette();
    const QColor peach(255, 224, 192);
    palette.setColor(QPalette::Base, peach);
    palette.setColor(QPalette::Button, peach);
    list->setPalette(palette);
    // The open list has the same colour as the closed box.
    palette.setColor(QPalette::Window, peach);
    list->view()->setPalette(palette);
    return list;
}

// The lists were laid out for a narrower face than the stand-in fonts; narrow
// the letters just enough that the longest item shows whole in the box.
void fitListFont(const std::vector<QComboBox*>& lists, const std::vector<QString>& items) {
    QComboBox* sample = lists.front();
    QStyleOptionComboBox option;
    option.initFrom(sample);
    option.rect = sample->rect();
    option.editable = false;
    option.frame = true;
    const int room =
        sample->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, sample).width() - 4;
    const QFont font = narrowedToFit(sample->font(), QStringList(items.begin(), items.end()), room);
    for (QComboBox* list : lists) {
        list->setFont(font);
        list->view()->setFont(font);
    }
}

}  // namespace

Form2::Form2() : Page(QStringLiteral("Selection Condition"), 10380, 6315) {
    Image1 = new SelectionBackground(this);
    Image1->setGeometry(twips(0, -120, 10500, 6525));

    struct LabelSpec {
        const char* caption;
        QRect geometry;
    };
    const LabelSpec labels[] = {
        {"Series :", twips(2670, 1725, 735, 240)},         {"Size : ", twips(2820, 2385, 585, 240)},
        {"Installation :", twips(2175, 3045, 1230, 240)},  {"Combination :", twips(2085, 3705, 1320, 240)},
        {"Preload grade :", twips(1905, 4365, 1500, 240)},
    };
    for (std::size_t i = 0; i < Label1.size(); ++i) {
        auto* label = new QLabel(QString::fromLatin1(labels[i].caption), this);
        label->setFont(pageFont(9.75, true));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // The captions end just left of the lists; a wider stand-in font
        // grows them leftwards, never into the lists.
        QRect geometry = labels[i].geometry;
        const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text()) + 2;
        if (needed > geometry.width()) geometry.setLeft(geometry.right() + 1 - needed);
        label->setGeometry(geometry);
        Label1[i] = label;
    }

    Combo1 = makeList(this, twips(3503, 1687, 3375, 330));
    Combo2 = makeList(this, twips(3503, 2347, 3375, 330));
    Combo3 = makeList(this, twips(3503, 3007, 3375, 330));
    Combo4 = makeList(this, twips(3503, 3667, 3375, 330));
    Combo5 = makeList(this, twips(3503, 4327, 3375, 330));
    const std::array<QComboBox*, 5> lists{Combo1, Combo2, Combo3, Combo4, Combo5};
    for (std::size_t i = 0; i < lists.size(); ++i) Label1[i]->setBuddy(lists[i]);
    std::vector<std::string_view> codes;
    for (const GuidewaySeries& entry : RatingCatalogue::series()) codes.push_back(entry.code);
    refill(Combo1, codes);
    std::vector<QString> allItems;
    for (const GuidewaySeries& entry : RatingCatalogue::series()) {
        allItems.push_back(text(entry.code));
        for (const RatingRow& row : entry.rows) allItems.push_back(text(row.size));
    }
    for (auto grades : {SelectionLists::PreloadCase::Ball, SelectionLists::PreloadCase::Roller})
        for (std::string_view item : SelectionLists::preloadItems(grades)) allItems.push_back(text(item));
    for (std::string_view item : SelectionLists::installations()) allItems.push_back(text(item));
    for (std::string_view item : SelectionLists::combinations()) allItems.push_back(text(item));
    fitListFont({Combo1, Combo2, Combo3, Combo4, Combo5}, allItems);
    {
        // Nothing is picked until the page loads and selects the first series.
        const QSignalBlocker quiet(Combo1);
        Combo1->setCurrentIndex(-1);
    }

    Command1 = pageButton(this, QStringLiteral("Next"), twips(5543, 5040, 1095, 375));
    Command2 = pageButton(this, QStringLiteral("Back"), twips(3743, 5040, 1095, 375));

    Frame1 = new QGroupBox(QStringLiteral("Note"), this);
    Frame1->setGeometry(twips(7320, 2160, 2775, 1455));
    Frame1->setAutoFillBackground(true);
    Text1 = new QPlainTextEdit(Frame1);
    Text1->setGeometry(twips(120, 360, 2535, 855));
    Text1->setFont(pageFont(12));
    Text1->setReadOnly(true);
    // Read-only stops typing only: the accessibility interface edits the text
    // itself. What the page did not write goes at once.
    connect(Text1, &QPlainTextEdit::textChanged, this, [this] {
        if (Text1->toPlainText() != note_) Text1->setPlainText(note_);
    });
    Text1->setTabChangesFocus(true);
    Text1->setFocusPolicy(Qt::StrongFocus);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    {
        QPalette palette = Text1->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Button));
        Text1->setPalette(palette);
    }

    Image1->lower();
    setTabOrder(Combo1, Combo2);
    setTabOrder(Combo2, Combo3);
    setTabOrder(Combo3, Combo4);
    setTabOrder(Combo4, Combo5);
    setTabOrder(Combo5, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Text1);

    for (QComboBox* list : {Combo1, Combo2, Combo3, Combo4, Combo5}) list->installEventFilter(this);
    // activated() comes from the user's picks only (mouse, arrow keys, wheel);
    // the page's own selections run the click behaviour through selectByProgram.
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Combo2, &QComboBox::activated, this, [this] { Combo2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void Form2::onLoad() {
    selectByProgram(Combo1, Combo1->findText(QStringLiteral("QEH")), &Form2::Combo1_Click);
    refill(Combo3, SelectionLists::installations());
    Combo3->setCurrentIndex(Combo3->findText(QStringLiteral("Horizontal application")));
    refill(Combo4, SelectionLists::combinations());
    Combo4->setCurrentIndex(Combo4->findText(QStringLiteral("2 rails,each rail includes 2 carriages")));
}

void Form2::selectByProgram(QComboBox* list, int index, void (Form2::*click)()) {
    {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(index);
    }
    (this->*click)();
}

void Form2::Combo1_Click() {
    if (!checksPassed()) return;
    const std::string series = Combo1->currentText().toStdString();
    refill(Combo2, std::vector<std::string_view>{});
    note_ = text(SelectionLists::seriesDescription(series));
    Text1->setPlainText(note_);
    refill(Combo2, SelectionLists::sizes(series));
    // Every series pick starts again from size 25, which every series offers.
    selectByProgram(Combo2, Combo2->findText(QStringLiteral("25")), &Form2::Combo2_Click);
}

void Form2::Combo2_Click() {
    if (!checksPassed()) return;
    const std::string size = Combo2->currentText().toStdString();
    const std::string series = Combo1->currentText().toStdString();
    const SelectionLists::PreloadCase grades = SelectionLists::preloadCase(size, series);
    refill(Combo5, SelectionLists::preloadItems(grades));
    // The grade confirmed at the last "Next" comes back by its position.
    const QSignalBlocker quiet(Combo5);
    Combo5->setCurrentIndex(SelectionLists::preloadReselection(grades, state().PreloadIndex));
}

void Form2::Command1_Click() {
    if (!checksPassed()) return;
    SelectionPicks picks;
    picks.series = Combo1->currentIndex();
    picks.size = Combo2->currentIndex();
    picks.installation = Combo3->currentIndex();
    picks.combination = Combo4->currentIndex();
    picks.preload = Combo5->currentIndex();
    picks.seriesText = Combo1->currentText().toStdString();
    picks.sizeText = Combo2->currentText().toStdString();
    picks.installationText = Combo3->currentText().toStdString();
    picks.combinationText = Combo4->currentText().toStdString();
    picks.preloadText = Combo5->currentText().toStdString();
    storeSelection(picks, state());
    navigate(*this, form3());
}

void Form2::Command2_Click() {
    if (!checksPassed()) return;
    navigate(*this, form1());
}

void Form2::focusNextAfter(QComboBox* list) {
    const std::array<QWidget*, 6> chain{Combo1, Combo2, Combo3, Combo4, Combo5, Command1};
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        if (chain[i] == list) chain[i + 1]->setFocus(Qt::TabFocusReason);
}

bool Form2::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* list = qobject_cast<QComboBox*>(watched);
        // Enter moves on without being swallowed; from the preload list it
        // only reaches "Next" and does not press it.
        if (list != nullptr && (key == Qt::Key_Return || key == Qt::Key_Enter) && !list->currentText().isEmpty())
            focusNextAfter(list);
    }
    return Page::eventFilter(watched, event);
}
