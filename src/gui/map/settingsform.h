// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QDoubleSpinBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace vantrel {

/// The map settings dialog: the layout of the picture on one page, the value axis on the
/// other. It only holds what it shows; the map view fills it and takes the values back.
class SettingsForm : public QDialog {
    Q_OBJECT
public:
    explicit SettingsForm(QWidget* parent = nullptr);

    int leftMargin() const;
    void setLeftMargin(int value);
    int rightMargin() const;
    void setRightMargin(int value);
    int topMargin() const;
    void setTopMargin(int value);
    int bottomMargin() const;
    void setBottomMargin(int value);
    int titlesAreaWidth() const;
    void setTitlesAreaWidth(int value);
    int fontSize() const;
    void setFontSize(int value);
    int drawingAreaWidth() const;
    void setDrawingAreaWidth(int value);
    int drawingAreaHeight() const;
    void setDrawingAreaHeight(int value);
    int overshoot() const;
    void setOvershoot(int value);
    int yOffset() const;
    void setYOffset(int value);

    /// The axis bounds pass through the dialog with two decimals.
    double minTippingPoint() const;
    void setMinTippingPoint(double value);
    double maxTippingPoint() const;
    void setMaxTippingPoint(double value);

    QString xAxisCaption() const;
    void setXAxisCaption(const QString& caption);
    int ticksXAxis() const;
    void setTicksXAxis(int value);
    bool showXAxis() const;
    /// Also switches the caption and ticks editors on or off.
    void setShowXAxis(bool show);
    /// -1 for automatic decimals.
    int xAxisDecimalPlaces() const;
    /// A negative value chooses "Auto"; 0 or more chooses a fixed number of decimals.
    void setXAxisDecimalPlaces(int places);

private:
    QSpinBox* addSetting(QGridLayout* grid, const QString& label, const char* name, int minimum,
                         int maximum, int step, int resetValue);
    void updateEnabling();

    QTabWidget* m_pages = nullptr;
    QSpinBox* m_leftMargin = nullptr;
    QSpinBox* m_rightMargin = nullptr;
    QSpinBox* m_topMargin = nullptr;
    QSpinBox* m_bottomMargin = nullptr;
    QSpinBox* m_titlesWidth = nullptr;
    QSpinBox* m_fontSize = nullptr;
    QSpinBox* m_drawingAreaWidth = nullptr;
    QSpinBox* m_drawingAreaHeight = nullptr;
    QSpinBox* m_overshoot = nullptr;
    QSpinBox* m_yOffset = nullptr;
    QDoubleSpinBox* m_minValue = nullptr;
    QDoubleSpinBox* m_maxValue = nullptr;
    QCheckBox* m_showXAxis = nullptr;
    QLineEdit* m_xAxisCaption = nullptr;
    QSpinBox* m_ticks = nullptr;
    QRadioButton* m_autoDecimals = nullptr;
    QRadioButton* m_fixedDecimals = nullptr;
    QSpinBox* m_decimals = nullptr;
};

} // namespace vantrel
