#include "masterdata/codetables/codetables.h"

#include "data/artables.h"

namespace codetables
{

namespace
{

using Kind = RecordField::Kind;

QString must(const QString& caption)
{
    return QStringLiteral("Field '%1' must have a value").arg(caption);
}

RecordField text(const QString& name, const QString& caption, Kind kind = Kind::Text)
{
    RecordField f;
    f.name = name;
    f.caption = caption;
    f.kind = kind;
    return f;
}

RecordField lookup(const QString& name, const QString& caption, const QString& table,
                   const QString& key, const QString& display)
{
    RecordField f = text(name, caption, Kind::Lookup);
    f.lookupTable = table;
    f.lookupKey = key;
    f.lookupName = display;
    return f;
}

RecordField glAccount(const QString& name, const QString& caption)
{
    return lookup(name, caption, QStringLiteral("GLAccnt"), QStringLiteral("GLAccountID"),
                  QStringLiteral("AccountName"));
}

RecordField withButton(RecordField f, RecordField::Button button)
{
    f.button = button;
    return f;
}

RecordField phone(const QString& name, const QString& caption)
{
    return withButton(text(name, caption), RecordField::Button::Dial);
}

RecordField readOnly(RecordField f)
{
    f.readOnly = true;
    return f;
}

// The parts every member shares: captions, table, key and the name it is listed and asked by.
CodeTable member(const QString& plural, const QString& singular, const QString& newCaption,
                 const TableDef& table, const QString& key, const QString& name)
{
    CodeTable t;
    t.listCaption = plural;
    t.recordCaption = singular;
    t.newCaption = newCaption;
    t.table = table;
    t.key = key;
    t.nameExpression = name;
    t.nameFields = {name};
    t.listFrom = table.name;
    t.orderBy = {name};
    t.columns = {{QStringLiteral("Name"), name}};
    return t;
}

} // namespace

CodeTable customerTypes()
{
    CodeTable t = member(QStringLiteral("Customer Types"), QStringLiteral("Customer Type"),
                         QStringLiteral("New Customer Type"), ar::cusType(),
                         QStringLiteral("CustomerTypeID"), QStringLiteral("TypeName"));
    t.listName = QStringLiteral("frmCusTypes");
    t.recordName = QStringLiteral("frmCusType");
    t.fields = {text(QStringLiteral("TypeName"), QStringLiteral("Type Name"))};
    t.requirements = {{{QStringLiteral("TypeName")}, must(QStringLiteral("Type Name"))}};
    t.duplicateMessage = QStringLiteral("Customer Type already exists");
    t.guards = {{QStringLiteral("Customer"),
                 {QStringLiteral("CustomerTypeID")},
                 QStringLiteral("Customer(s) exist for this customer type")}};
    return t;
}

CodeTable itemTypes()
{
    CodeTable t = member(QStringLiteral("Item Types"), QStringLiteral("Item Type"),
                         QStringLiteral("New Item Type"), ar::itemType(),
                         QStringLiteral("ItemTypeID"), QStringLiteral("TypeName"));
    t.listName = QStringLiteral("frmItemTypes");
    t.recordName = QStringLiteral("frmItemType");
    RecordField costing =
        text(QStringLiteral("CostingMethod"), QStringLiteral("Costing Method"), Kind::Choice);
    costing.choices = {QStringLiteral("Weighted Average"), QStringLiteral("Standard")};
    t.fields = {text(QStringLiteral("TypeName"), QStringLiteral("Type Name")),
                text(QStringLiteral("Inventory"), QStringLiteral("Inventory"), Kind::Check),
                costing};
    t.requirements = {{{QStringLiteral("TypeName")}, must(QStringLiteral("Type Name"))}};
    t.duplicateMessage = QStringLiteral("Item Type already exists");
    t.systemRowsUpTo = 6; // Breakfast .. Other, which the meal items are billed under
    t.guards = {{QStringLiteral("Item"),
                 {QStringLiteral("ItemTypeID")},
                 QStringLiteral("Item(s) exist for this item type")}};
    return t;
}

CodeTable items()
{
    CodeTable t =
        member(QStringLiteral("Items"), QStringLiteral("Item"), QStringLiteral("New Item"),
               ar::item(), QStringLiteral("ItemID"), QStringLiteral("ItemDescription"));
    t.listName = QStringLiteral("frmItems");
    t.recordName = QStringLiteral("frmItem");
    t.orderBy = {QStringLiteral("ItemNo")};
    t.columns = {{QStringLiteral("Item no."), QStringLiteral("ItemNo")},
                 {QStringLiteral("Description"), QStringLiteral("ItemDescription")},
                 {QStringLiteral("Unit Price"), QStringLiteral("UnitPrice")}};
    t.fields = {
        text(QStringLiteral("ItemNo"), QStringLiteral("Item no.")),
        text(QStringLiteral("ItemDescription"), QStringLiteral("Description")),
        text(QStringLiteral("UnitPrice"), QStringLiteral("Unit Price"), Kind::Amount),
        text(QStringLiteral("TaxCodes"), QStringLiteral("Tax Codes")),
        lookup(QStringLiteral("ItemTypeID"), QStringLiteral("Item Type"),
               QStringLiteral("ItemType"), QStringLiteral("ItemTypeID"),
               QStringLiteral("TypeName")),
        text(QStringLiteral("Suspended"), QStringLiteral("Suspended"), Kind::Check),
        readOnly(text(QStringLiteral("WgtAvgCost"), QStringLiteral("Weighted Average Cost"),
                      Kind::Amount)),
        readOnly(
            text(QStringLiteral("StandardCost"), QStringLiteral("Standard Cost"), Kind::Amount)),
        glAccount(QStringLiteral("SalesGLAccountID"), QStringLiteral("Sales Account")),
        glAccount(QStringLiteral("COGSGLAccountID"), QStringLiteral("COGS Account")),
        glAccount(QStringLiteral("InventoryGLAccountID"), QStringLiteral("Inventory Account")),
        text(QStringLiteral("Notes"), QStringLiteral("Notes"), Kind::Memo)};
    t.requirements = {{{QStringLiteral("ItemNo")}, must(QStringLiteral("Item no."))},
                      {{QStringLiteral("ItemDescription")}, must(QStringLiteral("Description"))},
                      {{QStringLiteral("ItemTypeID")}, must(QStringLiteral("Item Type"))}};
    t.stillExists = {{QStringLiteral("ItemTypeID"), QStringLiteral("ItemType"),
                      QStringLiteral("ItemTypeID"), QStringLiteral("Item Type no longer exists")}};
    t.duplicateMessage = QStringLiteral("Item no. already exists");
    t.numberedFromItemCtl = true;
    t.guards = {{QStringLiteral("ARInvDet"),
                 {QStringLiteral("ItemID")},
                 QStringLiteral("Invoice(s) exist for this item")}};
    return t;
}

CodeTable taxes()
{
    CodeTable t = member(QStringLiteral("Taxes"), QStringLiteral("Tax"), QStringLiteral("New Tax"),
                         ar::tax(), QStringLiteral("TaxID"), QStringLiteral("TaxName"));
    t.listName = QStringLiteral("frmTaxes");
    t.recordName = QStringLiteral("frmTax");
    t.columns = {{QStringLiteral("Name"), QStringLiteral("TaxName")},
                 {QStringLiteral("Rate"), QStringLiteral("Rate")},
                 {QStringLiteral("Code"), QStringLiteral("TaxCode")},
                 {QStringLiteral("Description"), QStringLiteral("TaxDescription")}};
    t.fields = {text(QStringLiteral("TaxName"), QStringLiteral("Tax Name")),
                text(QStringLiteral("Rate"), QStringLiteral("Rate (%)"), Kind::Number),
                text(QStringLiteral("TaxCode"), QStringLiteral("Code"), Kind::Letter),
                text(QStringLiteral("TaxDescription"), QStringLiteral("Description")),
                glAccount(QStringLiteral("TaxGLAccountID"), QStringLiteral("GL Account"))};
    t.requirements = {{{QStringLiteral("TaxName")}, must(QStringLiteral("Tax Name"))},
                      {{QStringLiteral("TaxCode")}, must(QStringLiteral("Code"))},
                      {{QStringLiteral("TaxDescription")}, must(QStringLiteral("Description"))},
                      {{QStringLiteral("Rate")}, must(QStringLiteral("Rate"))}};
    t.duplicateMessage = QStringLiteral("Tax already exists");
    t.refusalPrefix = QStringLiteral("Unable to delete tax '");
    t.guards = {{QStringLiteral("Customer"),
                 {QStringLiteral("Tax1ID"), QStringLiteral("Tax2ID")},
                 QStringLiteral("Customer(s) exist for this tax")},
                {QStringLiteral("ARInv"),
                 {QStringLiteral("Tax1ID"), QStringLiteral("Tax2ID")},
                 QStringLiteral("Invoice(s) exist for this tax")}};
    return t;
}

CodeTable salesmen()
{
    const QString fullName =
        QStringLiteral("TRIM(COALESCE(FirstName, '') || ' ' || COALESCE(LastName, ''))");
    CodeTable t = member(QStringLiteral("Salesmen"), QStringLiteral("Salesman"),
                         QStringLiteral("New Salesman"), ar::salesman(),
                         QStringLiteral("SalesmanID"), fullName);
    t.nameFields = {QStringLiteral("FirstName"), QStringLiteral("LastName")};
    t.listName = QStringLiteral("frmSalesmen");
    t.recordName = QStringLiteral("frmSalesman");
    t.orderBy = {QStringLiteral("LastName"), QStringLiteral("FirstName")};
    t.columns = {{QStringLiteral("Last Name"), QStringLiteral("LastName")},
                 {QStringLiteral("First Name"), QStringLiteral("FirstName")},
                 {QStringLiteral("Job Title"), QStringLiteral("JobTitle")},
                 {QStringLiteral("Phone"), QStringLiteral("BusinessPhone")}};
    RecordField notes = text(QStringLiteral("Notes"), QStringLiteral("Notes"), Kind::Memo);
    notes.wordWrapSwitch = true;
    t.fields = {text(QStringLiteral("FirstName"), QStringLiteral("First Name")),
                text(QStringLiteral("LastName"), QStringLiteral("Last Name")),
                text(QStringLiteral("JobTitle"), QStringLiteral("Job Title")),
                phone(QStringLiteral("BusinessPhone"), QStringLiteral("Business Phone")),
                text(QStringLiteral("BusinessPhoneExt"), QStringLiteral("Ext.")),
                phone(QStringLiteral("BusinessPhone2"), QStringLiteral("Business Phone 2")),
                text(QStringLiteral("BusinessPhone2Ext"), QStringLiteral("Ext. 2")),
                phone(QStringLiteral("HomePhone"), QStringLiteral("Home Phone")),
                text(QStringLiteral("Fax"), QStringLiteral("Fax")),
                phone(QStringLiteral("Cellular"), QStringLiteral("Cellular")),
                phone(QStringLiteral("Pager"), QStringLiteral("Pager")),
                withButton(text(QStringLiteral("EMail"), QStringLiteral("E-mail")),
                           RecordField::Button::Mail),
                notes};
    t.requirements = {{{QStringLiteral("FirstName"), QStringLiteral("LastName")},
                       must(QStringLiteral("Salesman Name"))}};
    t.guards = {{QStringLiteral("Customer"),
                 {QStringLiteral("SalesmanID")},
                 QStringLiteral("Customer(s) exist for this salesman")}};
    return t;
}

CodeTable banks()
{
    CodeTable t =
        member(QStringLiteral("Banks"), QStringLiteral("Bank"), QStringLiteral("New Bank"),
               ar::bank(), QStringLiteral("BankID"), QStringLiteral("Bank.BankName"));
    t.nameFields = {QStringLiteral("BankName")};
    t.listName = QStringLiteral("frmBanks");
    t.recordName = QStringLiteral("frmBank");
    t.listFrom =
        QStringLiteral("Bank LEFT OUTER JOIN Currency ON Currency.CurrencyID = Bank.CurrencyID");
    t.columns = {{QStringLiteral("Name"), QStringLiteral("Bank.BankName")},
                 {QStringLiteral("Currency"), QStringLiteral("Currency.CurrencyName")}};
    t.fields = {text(QStringLiteral("BankName"), QStringLiteral("Bank Name")),
                lookup(QStringLiteral("CurrencyID"), QStringLiteral("Currency"),
                       QStringLiteral("Currency"), QStringLiteral("CurrencyID"),
                       QStringLiteral("CurrencyName")),
                glAccount(QStringLiteral("BankGLAccountID"), QStringLiteral("GL Account"))};
    t.requirements = {{{QStringLiteral("BankName")}, must(QStringLiteral("Bank Name"))},
                      {{QStringLiteral("CurrencyID")}, must(QStringLiteral("Currency"))}};
    t.stillExists = {{QStringLiteral("CurrencyID"), QStringLiteral("Currency"),
                      QStringLiteral("CurrencyID"), QStringLiteral("Currency no longer exists")}};
    t.duplicateMessage = QStringLiteral("Bank already exists");
    t.guards = {{QStringLiteral("APCheq"),
                 {QStringLiteral("BankID")},
                 QStringLiteral("AP cheque(s) exist for this bank")},
                {QStringLiteral("ARPmt"),
                 {QStringLiteral("BankID")},
                 QStringLiteral("AR payment(s) exist for this bank")}};
    return t;
}

CodeTable currencies()
{
    CodeTable t = member(QStringLiteral("Currencies"), QStringLiteral("Currency"),
                         QStringLiteral("New Currency"), ar::currency(),
                         QStringLiteral("CurrencyID"), QStringLiteral("CurrencyName"));
    t.listName = QStringLiteral("frmCurrencies");
    t.recordName = QStringLiteral("frmCurrency");
    t.columns = {{QStringLiteral("Name"), QStringLiteral("CurrencyName")},
                 {QStringLiteral("Exchange Rate"), QStringLiteral("ExchangeRate")}};
    t.fields = {
        text(QStringLiteral("CurrencyName"), QStringLiteral("Currency Name")),
        text(QStringLiteral("ExchangeRate"), QStringLiteral("Exchange Rate"), Kind::Number),
        glAccount(QStringLiteral("ARGLAccountID"), QStringLiteral("AR Account")),
        glAccount(QStringLiteral("ARDiscGLAccountID"), QStringLiteral("AR Discount Account")),
        glAccount(QStringLiteral("DfltWriteOffGLAccountID"), QStringLiteral("Write-off Account")),
        glAccount(QStringLiteral("APGLAccountID"), QStringLiteral("AP Account")),
        glAccount(QStringLiteral("APDiscGLAccountID"), QStringLiteral("AP Discount Account")),
        glAccount(QStringLiteral("GainLossExchangeGLAccntID"),
                  QStringLiteral("Exchange Gain/Loss Account"))};
    t.requirements = {{{QStringLiteral("CurrencyName")}, must(QStringLiteral("Currency Name"))}};
    t.duplicateMessage = QStringLiteral("Currency already exists");
    t.guards = {{QStringLiteral("Bank"),
                 {QStringLiteral("CurrencyID")},
                 QStringLiteral("Bank(s) exist for this currency")},
                {QStringLiteral("Vendor"),
                 {QStringLiteral("CurrencyID")},
                 QStringLiteral("Vendor(s) exist for this currency")},
                {QStringLiteral("Customer"),
                 {QStringLiteral("CurrencyID")},
                 QStringLiteral("Customer(s) exist for this currency")}};
    return t;
}

CodeTable locations()
{
    CodeTable t = member(QStringLiteral("Locations"), QStringLiteral("Location"),
                         QStringLiteral("New Warehouse"), ar::warehouse(),
                         QStringLiteral("WarehouseID"), QStringLiteral("WarehouseName"));
    t.listName = QStringLiteral("frmWarehouses");
    t.recordName = QStringLiteral("frmWarehouse");
    t.fields = {text(QStringLiteral("WarehouseName"), QStringLiteral("Warehouse Name"))};
    t.requirements = {{{QStringLiteral("WarehouseName")}, must(QStringLiteral("Warehouse Name"))}};
    t.duplicateMessage = QStringLiteral("Warehouse already exists");
    t.guards = {{QStringLiteral("IHist"),
                 {QStringLiteral("WarehouseID")},
                 QStringLiteral("History exists for this warehouse")},
                {QStringLiteral("IReceipt"),
                 {QStringLiteral("WarehouseID")},
                 QStringLiteral("Receipts exist for this warehouse")},
                {QStringLiteral("IAdjust"),
                 {QStringLiteral("WarehouseID")},
                 QStringLiteral("Adjustments exist for this warehouse")}};
    t.alsoDeleteFrom = {QStringLiteral("IBalance")}; // the location's stock balances
    return t;
}

QList<CodeTable> all()
{
    return {customerTypes(), itemTypes(), items(),      taxes(),
            salesmen(),      banks(),     currencies(), locations()};
}

} // namespace codetables
