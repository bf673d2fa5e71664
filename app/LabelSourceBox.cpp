#include "LabelSourceBox.h"

#include "ui_LabelSourceBox.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// A file of labels larger than this is no list of labels.
constexpr qint64 kMaxFileBytes = qint64{64} << 20;

bool IsCsv(const QString& path) {
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive);
}

// The whole file as UTF-8 text, a byte order mark dropped; empty with *error
// set when it cannot be read. Only a plain file is read: a FIFO would hold
// the dialog up forever.
QString ReadLabelFile(const QString& path, QString* error) {
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = CLabelSourceBox::tr("%1 does not exist").arg(shown);
        return {};
    }
    if (!info.isFile()) {
        *error = CLabelSourceBox::tr("%1 is not a plain file").arg(shown);
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = CLabelSourceBox::tr("%1 cannot be read: %2").arg(shown, file.errorString());
        return {};
    }
    QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (bytes.size() > kMaxFileBytes) {
        *error = CLabelSourceBox::tr("%1 is larger than %2 MB").arg(shown).arg(kMaxFileBytes >> 20);
        return {};
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes.remove(0, 3);
    }
    return QString::fromUtf8(bytes);
}

} // namespace

CLabelSourceBox::CLabelSourceBox(QWidget* parent)
    : QGroupBox(parent), m_form(std::make_unique<Ui::CLabelSourceBox>()) {
    m_form->setupUi(this);
    const auto* wholeNumber = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?[0-9]{0,19}")), m_form->sequencePage);
    m_form->first->setValidator(wholeNumber);
    m_form->step->setValidator(wholeNumber);
    m_form->count->setMaximum(static_cast<int>(kMaxSheetLabels));
    SetFieldText(QString());
}

CLabelSourceBox::~CLabelSourceBox() = default;

void CLabelSourceBox::SetFieldText(const QString& text) {
    m_fieldText = text;
    m_form->textPage->setText(
        tr("Copies of the symbol in the Text field: %1")
            .arg(text.isEmpty() ? tr("(empty)") : QStringLiteral("\"%1\"").arg(text)));
}

QString CLabelSourceBox::NoColumn() {
    return tr("(none)");
}

CLabelSourceBox::Kind CLabelSourceBox::Chosen() const {
    return m_form->fromSequence->isChecked() ? kFromSequence
           : m_form->fromFile->isChecked()   ? kFromFile
                                             : kFromText;
}

void CLabelSourceBox::Update() {
    const Kind kind = Chosen();
    m_form->sourcePages->setCurrentIndex(kind);
    if (kind == kFromFile) {
        LoadFile();
    }
    const bool csvCaptions = kind == kFromFile && IsCsv(m_form->file->text()) &&
                             m_form->captionColumn->currentIndex() > 0;
    m_form->caption->setEnabled(!csvCaptions);
}

bool CLabelSourceBox::Browse() {
    const QString path =
        QFileDialog::getOpenFileName(window(), tr("Labels"), QFileInfo(m_form->file->text()).path(),
                                     tr("Label files (*.txt *.csv);;All files (*)"));
    if (path.isEmpty()) {
        return false;
    }
    m_form->file->setText(path);
    return true;
}

void CLabelSourceBox::LoadFile() {
    const QString path = m_form->file->text();
    // The columns chosen for the file left are kept for it: coming back to
    // it chooses them again.
    if (path != m_loadedPath && IsCsv(m_loadedPath)) {
        m_columnsOf[m_loadedPath] = {m_form->textColumn->currentText(),
                                     m_form->captionColumn->currentText()};
    }
    // Read again every time: the file may have been edited since it was
    // chosen, and what is checked, previewed and printed is what it holds now.
    m_loadedPath = path;
    m_fileError.clear();
    m_fileText = path.isEmpty() ? QString() : ReadLabelFile(path, &m_fileError);
    // A CSV file's columns: the ones chosen for it before, else the ones
    // chosen now where the file has them, else those named "text" and
    // "caption".
    const QStringList columns = IsCsv(path) ? CsvColumns(m_fileText) : QStringList();
    const auto remembered = m_columnsOf.constFind(path);
    const auto refill = [&columns](QComboBox* combo, const QString& chosen, const QString& fallback,
                                   bool none) {
        const QSignalBlocker quiet(combo);
        combo->clear();
        if (none) {
            combo->addItem(NoColumn());
        }
        combo->addItems(columns);
        const int kept = combo->findText(chosen);
        combo->setCurrentIndex(kept >= 0 ? kept : std::max(combo->findText(fallback), 0));
        combo->setEnabled(!columns.isEmpty());
    };
    const bool known = remembered != m_columnsOf.constEnd();
    refill(m_form->textColumn, known ? remembered->first : m_form->textColumn->currentText(),
           QStringLiteral("text"), false);
    refill(m_form->captionColumn, known ? remembered->second : m_form->captionColumn->currentText(),
           QStringLiteral("caption"), true);
}

QList<LabelText> CLabelSourceBox::Labels(QString* error) const {
    const QString caption = m_form->caption->text();
    const Kind kind = Chosen();
    if (kind == kFromText) {
        if (m_fieldText.isEmpty()) {
            *error = tr("the Text field is empty");
            return {};
        }
        return {LabelText{1, m_fieldText, caption}};
    }
    if (kind == kFromSequence) {
        LabelSequence sequence;
        bool firstOk = false;
        bool stepOk = false;
        sequence.first = m_form->first->text().toLongLong(&firstOk);
        sequence.step = m_form->step->text().toLongLong(&stepOk);
        if (!firstOk || !stepOk) {
            *error = firstOk ? tr("the step must be a whole number")
                             : tr("the first number must be a whole number");
            return {};
        }
        sequence.prefix = m_form->prefix->text();
        sequence.suffix = m_form->suffix->text();
        sequence.count = m_form->count->value();
        sequence.width = m_form->digits->value();
        QList<LabelText> labels = SequenceLabels(sequence, error);
        for (LabelText& label : labels) {
            label.caption = caption;
        }
        return labels;
    }
    const QString path = m_form->file->text();
    if (path.isEmpty()) {
        *error = tr("choose a file of labels");
        return {};
    }
    if (!m_fileError.isEmpty()) {
        *error = m_fileError;
        return {};
    }
    QList<LabelText> labels;
    if (!IsCsv(path)) {
        labels = LineLabels(m_fileText, caption);
    } else if (m_form->textColumn->count() == 0) {
        *error = tr("the CSV file has no header row");
        return {};
    } else {
        const bool captionColumn = m_form->captionColumn->currentIndex() > 0;
        labels = CsvLabels(m_fileText, m_form->textColumn->currentText(),
                           captionColumn ? m_form->captionColumn->currentText() : QString(), error);
        for (LabelText& label : labels) {
            label.caption = captionColumn ? label.caption : caption;
        }
    }
    if (labels.isEmpty() && error->isEmpty()) {
        *error = tr("the file holds no labels");
    }
    return labels;
}
