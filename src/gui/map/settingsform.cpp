// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/settingsform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <limits>

namespace vantrel {

namespace {

constexpr int AnyMinimum = std::numeric_limits<int>::min();
constexpr int AnyMaximum = std::numeric_limits<int>::max();
/// The lower axis bound is kept where the number editor can still show it with two decimals.
constexpr double MinValueLimit = 1e37;

QDoubleSpinBox* numberEditor(const char* name, double limit)
{
    auto* edit = new QDoubleSpinBox;
    edit->setObjectName(QString::fromLatin1(name));
    edit->setDecimals(2);
    edit->setRange(-limit, limit);
    edit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

} // namespace

SettingsForm::SettingsForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("settingsForm"));
    setWindowTitle(QStringLiteral("Settings"));
    setModal(true);

    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("settingsPages"));
    m_pages->setDocumentMode(true);

    auto* graphPage = new QWidget;
    graphPage->setObjectName(QStringLiteral("graphSettingsPage"));
    auto* graph = new QGridLayout(graphPage);
    m_leftMargin = addSetting(graph, QStringLiteral("Left Margin"), "leftMargin", AnyMinimum,
                              AnyMaximum, 1, 10);
    m_rightMargin = addSetting(graph, QStringLiteral("Right Margin"), "rightMargin", AnyMinimum,
                               AnyMaximum, 1, 50);
    m_topMargin =
        addSetting(graph, QStringLiteral("Top Margin"), "topMargin", AnyMinimum, AnyMaximum, 1, 10);
    m_bottomMargin = addSetting(graph, QStringLiteral("Bottom Margin"), "bottomMargin", AnyMinimum,
                                AnyMaximum, 1, 10);
    m_titlesWidth = addSetting(graph, QStringLiteral("Titles Width"), "titlesWidth", AnyMinimum,
                               AnyMaximum, 1, 200);
    m_fontSize = addSetting(graph, QStringLiteral("Font Size"), "fontSize", 6, 20, 1, 12);
    m_drawingAreaWidth = addSetting(graph, QStringLiteral("Graph Width"), "drawingAreaWidth",
                                    AnyMinimum, AnyMaximum, 100, 1000);
    m_drawingAreaHeight = addSetting(graph, QStringLiteral("Graph Height"), "drawingAreaHeight",
                                     AnyMinimum, AnyMaximum, 100, 600);
    m_overshoot =
        addSetting(graph, QStringLiteral("Overshoot"), "overshoot", AnyMinimum, AnyMaximum, 1, 10);
    m_yOffset = addSetting(graph, QStringLiteral("Path Spacing"), "yOffset", 0, 100, 1, 5);
    graph->setRowStretch(graph->rowCount(), 1);

    auto* axisPage = new QWidget;
    axisPage->setObjectName(QStringLiteral("xAxisSettingsPage"));
    auto* axis = new QGridLayout(axisPage);
    m_minValue = numberEditor("minValueEdit", MinValueLimit);
    m_maxValue = numberEditor("maxValueEdit", std::numeric_limits<double>::max());
    m_showXAxis = new QCheckBox(QStringLiteral("Show Tipping conditions axis"));
    m_showXAxis->setObjectName(QStringLiteral("showXAxisCheckBox"));
    m_xAxisCaption = new QLineEdit;
    m_xAxisCaption->setObjectName(QStringLiteral("xAxisCaptionEdit"));
    m_ticks = new QSpinBox;
    m_ticks->setObjectName(QStringLiteral("ticksSpinEdit"));
    m_ticks->setRange(2, 20);

    auto* decimals = new QGroupBox(QStringLiteral("Decimals"));
    auto* decimalsLayout = new QGridLayout(decimals);
    m_autoDecimals = new QRadioButton(QStringLiteral("Auto"));
    m_autoDecimals->setObjectName(QStringLiteral("autoDecimalsRadio"));
    m_fixedDecimals = new QRadioButton;
    m_fixedDecimals->setObjectName(QStringLiteral("fixedDecimalsRadio"));
    m_fixedDecimals->setAccessibleName(QStringLiteral("Fixed decimals"));
    m_decimals = new QSpinBox;
    m_decimals->setObjectName(QStringLiteral("decimalsSpinEdit"));
    m_decimals->setRange(0, 8);
    auto* radios = new QButtonGroup(this);
    radios->addButton(m_autoDecimals);
    radios->addButton(m_fixedDecimals);
    decimalsLayout->addWidget(m_autoDecimals, 0, 0, 1, 2);
    decimalsLayout->addWidget(m_fixedDecimals, 1, 0);
    decimalsLayout->addWidget(m_decimals, 1, 1);
    decimalsLayout->setColumnStretch(2, 1);

    int row = 0;
    axis->addWidget(new QLabel(QStringLiteral("Min Value")), row, 0);
    axis->addWidget(m_minValue, row++, 1);
    axis->addWidget(new QLabel(QStringLiteral("Max Value")), row, 0);
    axis->addWidget(m_maxValue, row++, 1);
    axis->addWidget(m_showXAxis, row++, 0, 1, 2);
    axis->addWidget(new QLabel(QStringLiteral("X-Axis caption")), row, 0);
    axis->addWidget(m_xAxisCaption, row++, 1);
    axis->addWidget(new QLabel(QStringLiteral("Ticks X Axis")), row, 0);
    axis->addWidget(m_ticks, row++, 1);
    axis->addWidget(decimals, row++, 0, 1, 2);
    axis->setRowStretch(row, 1);

    m_pages->addTab(graphPage, QStringLiteral("Graph Settings"));
    m_pages->addTab(axisPage, QStringLiteral("XAxis Settings"));
    // The dialog lives for the whole run and opens on the page last shown.
    m_pages->setCurrentWidget(axisPage);

    auto* buttons = new QDialogButtonBox;
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);

    connect(m_showXAxis, &QCheckBox::toggled, this, &SettingsForm::updateEnabling);
    connect(m_fixedDecimals, &QRadioButton::toggled, this, &SettingsForm::updateEnabling);
    setShowXAxis(true);
    setXAxisDecimalPlaces(0);
}

QSpinBox* SettingsForm::addSetting(QGridLayout* grid, const QString& label, const char* name,
                                   int minimum, int maximum, int step, int resetValue)
{
    const int row = grid->rowCount();
    auto* spin = new QSpinBox;
    spin->setObjectName(QString::fromLatin1(name) + QStringLiteral("SpinEdit"));
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setAlignment(Qt::AlignRight);
    auto* reset = new QPushButton(QStringLiteral("I"));
    reset->setObjectName(QString::fromLatin1(name) + QStringLiteral("ResetButton"));
    reset->setToolTip(QStringLiteral("Reset to %1").arg(resetValue));
    reset->setFixedWidth(24);
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, spin, [spin, resetValue] { spin->setValue(resetValue); });
    auto* caption = new QLabel(label);
    caption->setBuddy(spin);
    grid->addWidget(caption, row, 0);
    grid->addWidget(spin, row, 1);
    grid->addWidget(reset, row, 2);
    return spin;
}

void SettingsForm::updateEnabling()
{
    const bool axis = m_showXAxis->isChecked();
    m_xAxisCaption->setEnabled(axis);
    m_ticks->setEnabled(axis);
    m_decimals->setEnabled(m_fixedDecimals->isChecked());
}

int SettingsForm::leftMargin() const
{
    return m_leftMargin->value();
}
void SettingsForm::setLeftMargin(int value)
{
    m_leftMargin->setValue(value);
}
int SettingsForm::rightMargin() const
{
    return m_rightMargin->value();
}
void SettingsForm::setRightMargin(int value)
{
    m_rightMargin->setValue(value);
}
int SettingsForm::topMargin() const
{
    return m_topMargin->value();
}
void SettingsForm::setTopMargin(int value)
{
    m_topMargin->setValue(value);
}
int SettingsForm::bottomMargin() const
{
    return m_bottomMargin->value();
}
void SettingsForm::setBottomMargin(int value)
{
    m_bottomMargin->setValue(value);
}
int SettingsForm::titlesAreaWidth() const
{
    return m_titlesWidth->value();
}
void SettingsForm::setTitlesAreaWidth(int value)
{
    m_titlesWidth->setValue(value);
}
int SettingsForm::fontSize() const
{
    return m_fontSize->value();
}
void SettingsForm::setFontSize(int value)
{
    m_fontSize->setValue(value);
}
int SettingsForm::drawingAreaWidth() const
{
    return m_drawingAreaWidth->value();
}
void SettingsForm::setDrawingAreaWidth(int value)
{
    m_drawingAreaWidth->setValue(value);
}
int SettingsForm::drawingAreaHeight() const
{
    return m_drawingAreaHeight->value();
}
void SettingsForm::setDrawingAreaHeight(int value)
{
    m_drawingAreaHeight->setValue(value);
}
int SettingsForm::overshoot() const
{
    return m_overshoot->value();
}
void SettingsForm::setOvershoot(int value)
{
    m_overshoot->setValue(value);
}
int SettingsForm::yOffset() const
{
    return m_yOffset->value();
}
void SettingsForm::setYOffset(int value)
{
    m_yOffset->setValue(value);
}

double SettingsForm::minTippingPoint() const
{
    return m_minValue->value();
}
void SettingsForm::setMinTippingPoint(double value)
{
    m_minValue->setValue(value);
}
double SettingsForm::maxTippingPoint() const
{
    return m_maxValue->value();
}
void SettingsForm::setMaxTippingPoint(double value)
{
    m_maxValue->setValue(value);
}

QString SettingsForm::xAxisCaption() const
{
    return m_xAxisCaption->text();
}
void SettingsForm::setXAxisCaption(const QString& caption)
{
    m_xAxisCaption->setText(caption);
}
int SettingsForm::ticksXAxis() const
{
    return m_ticks->value();
}
void SettingsForm::setTicksXAxis(int value)
{
    m_ticks->setValue(value);
}

bool SettingsForm::showXAxis() const
{
    return m_showXAxis->isChecked();
}
void SettingsForm::setShowXAxis(bool show)
{
    m_showXAxis->setChecked(show);
    updateEnabling();
}

int SettingsForm::xAxisDecimalPlaces() const
{
    return m_autoDecimals->isChecked() ? -1 : m_decimals->value();
}

void SettingsForm::setXAxisDecimalPlaces(int places)
{
    if (places < 0) {
        m_autoDecimals->setChecked(true);
    } else {
        m_fixedDecimals->setChecked(true);
        m_decimals->setValue(places);
    }
    updateEnabling();
}

} // namespace vantrel
