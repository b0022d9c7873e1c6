#include "Forms/main/LanguageCommands.h"
#include "support/Messenger.h"
#include "support/Translations.h"
#include "support/Zymregistry.h"

#include <QAction>
#include <QActionGroup>

LanguageCommands::LanguageCommands(MainContext& ctx) : ctx_(ctx), group_(new QActionGroup(this))
{
    const QStringList& languages = Translations::choices();
    for (size_t i = 0; i < kChoices.size(); ++i) {
        QAction* a = ctx.commands.action(kChoices[i]);
        a->setCheckable(true);
        a->setStatusTip(CommandSet::text(CommandSet::def(kChoices[i]).hint));
        a->setToolTip(a->statusTip());
        group_->addAction(a);
        ctx.commands.bind(kChoices[i], [this, language = languages.at(qsizetype(i))] { choose(language); });
    }
    checkStored();
}

void LanguageCommands::choose(const QString& language)
{
    // One checked change of the store: a write that fails is told, never taken for stored.
    ZYMAPI::StoreChange change;
    const bool stored = Translations::storeLanguage(language) && change.commit();
    checkStored();
    if (stored)
        messenger().messageBox(tr("The language you chose is shown from the next start of the program."));
}

void LanguageCommands::checkStored()
{
    const qsizetype index = Translations::choices().indexOf(Translations::storedLanguage());
    ctx_.commands.action(kChoices[size_t(qMax<qsizetype>(index, 0))])->setChecked(true);
}
