#include "data/artables.h"

namespace ar
{

using namespace def;

TableDef customer()
{
    TableDef t;
    t.name = QStringLiteral("Customer");
    t.fields = {integer(QStringLiteral("CustomerID")),
                string(QStringLiteral("CustomerNo"), 10),
                string(QStringLiteral("CustomerName"), 40),
                string(QStringLiteral("AddressLine1"), 35),
                string(QStringLiteral("AddressLine2"), 35),
                string(QStringLiteral("City"), 35),
                string(QStringLiteral("StateProv"), 20),
                string(QStringLiteral("ZipCode"), 10),
                string(QStringLiteral("Country"), 20),
                string(QStringLiteral("Contact"), 40),
                string(QStringLiteral("Phone"), 20),
                string(QStringLiteral("Fax"), 20),
                string(QStringLiteral("EMail"), 65),
                string(QStringLiteral("WebPage"), 30),
                integer(QStringLiteral("Tax1ID")),
                integer(QStringLiteral("Tax2ID")),
                string(QStringLiteral("Tax1ExemptionNo"), 13),
                string(QStringLiteral("Tax2ExemptionNo"), 13),
                string(QStringLiteral("TaxNo"), 12),
                integer(QStringLiteral("CurrencyID")),
                money(QStringLiteral("CreditLimit")),
                floating(QStringLiteral("DiscPC")),
                smallint(QStringLiteral("DiscDays")),
                smallint(QStringLiteral("NetDays")),
                boolean(QStringLiteral("COD")),
                boolean(QStringLiteral("Suspended")),
                boolean(QStringLiteral("PrintStatement")),
                boolean(QStringLiteral("AllowBackorders")),
                integer(QStringLiteral("SalesmanID")),
                integer(QStringLiteral("CustomerTypeID")),
                memo(QStringLiteral("CustomerMessage")),
                memo(QStringLiteral("Notes")),
                string(QStringLiteral("ShipToName"), 40),
                string(QStringLiteral("ShipToAddressLine1"), 35),
                string(QStringLiteral("ShipToAddressLine2"), 35),
                string(QStringLiteral("ShipToCity"), 35),
                string(QStringLiteral("ShipToStateProv"), 20),
                string(QStringLiteral("ShipToZipCode"), 10),
                string(QStringLiteral("ShipToCountry"), 20),
                string(QStringLiteral("CustomerType"), 1)};
    t.indexes = {primary({QStringLiteral("CustomerID")}),
                 index(QStringLiteral("CUSTOMERNO"), {QStringLiteral("CustomerNo")}),
                 nocase(QStringLiteral("CUSTOMERNAME1"), {QStringLiteral("CustomerName")}),
                 index(QStringLiteral("CUSTOMERTYPEID"), {QStringLiteral("CustomerTypeID")}),
                 index(QStringLiteral("SALESMANID"), {QStringLiteral("SalesmanID")}),
                 index(QStringLiteral("CURRENCYID"), {QStringLiteral("CurrencyID")})};
    return t;
}

TableDef cusType()
{
    TableDef t;
    t.name = QStringLiteral("CusType");
    t.fields = {integer(QStringLiteral("CustomerTypeID")), string(QStringLiteral("TypeName"), 40)};
    t.indexes = {primary({QStringLiteral("CustomerTypeID")}),
                 nocase(QStringLiteral("TYPENAME1"), {QStringLiteral("TypeName")})};
    return t;
}

TableDef cBalance()
{
    TableDef t;
    t.name = QStringLiteral("CBalance");
    t.fields = {integer(QStringLiteral("CustomerID")), money(QStringLiteral("Balance"))};
    t.indexes = {primary({QStringLiteral("CustomerID")})};
    return t;
}

TableDef custCtl()
{
    TableDef t;
    t.name = QStringLiteral("CustCtl");
    t.fields = {integer(QStringLiteral("NextCustomerNo")),
                integer(QStringLiteral("NextCustomerID"))};
    return t;
}

TableDef item()
{
    TableDef t;
    t.name = QStringLiteral("Item");
    t.fields = {integer(QStringLiteral("ItemID")),
                string(QStringLiteral("ItemNo"), 20),
                string(QStringLiteral("ItemDescription"), 40),
                integer(QStringLiteral("SalesGLAccountID")),
                integer(QStringLiteral("COGSGLAccountID")),
                integer(QStringLiteral("InventoryGLAccountID")),
                string(QStringLiteral("TaxCodes"), 3),
                money(QStringLiteral("UnitPrice")),
                money(QStringLiteral("WgtAvgCost")),
                money(QStringLiteral("StandardCost")),
                boolean(QStringLiteral("Suspended")),
                memo(QStringLiteral("Notes")),
                integer(QStringLiteral("ItemTypeID"))};
    t.indexes = {
        primary({QStringLiteral("ItemID")}),
        nocase(QStringLiteral("ITEMDESCRIPTION1"), {QStringLiteral("ItemDescription")}),
        index(QStringLiteral("ITEMTYPEID"), {QStringLiteral("ItemTypeID")}),
        index(QStringLiteral("INVENTORYGLACCOUNTID"), {QStringLiteral("InventoryGLAccountID")}),
        index(QStringLiteral("COGSGLACCOUNTID"), {QStringLiteral("COGSGLAccountID")}),
        index(QStringLiteral("SALESGLACCOUNTID"), {QStringLiteral("SalesGLAccountID")}),
        index(QStringLiteral("ITEMNO"), {QStringLiteral("ItemNo")})};
    return t;
}

TableDef itemType()
{
    TableDef t;
    t.name = QStringLiteral("ItemType");
    t.fields = {integer(QStringLiteral("ItemTypeID")), string(QStringLiteral("TypeName"), 40),
                boolean(QStringLiteral("Inventory")), smallint(QStringLiteral("CostingMethod"))};
    t.indexes = {primary({QStringLiteral("ItemTypeID")}),
                 nocase(QStringLiteral("TYPENAME1"), {QStringLiteral("TypeName")})};
    return t;
}

TableDef company()
{
    TableDef t;
    t.name = QStringLiteral("Company");
    t.fields = {smallint(QStringLiteral("CompanyNo")),
                string(QStringLiteral("CompanyName"), 40),
                smallint(QStringLiteral("FiscalYear")),
                smallint(QStringLiteral("DefaultPeriodYYYY")),
                smallint(QStringLiteral("DefaultPeriodPP")),
                smallint(QStringLiteral("WPeriodFromYYYY")),
                smallint(QStringLiteral("WPeriodFromPP")),
                smallint(QStringLiteral("WPeriodToYYYY")),
                smallint(QStringLiteral("WPeriodToPP")),
                smallint(QStringLiteral("EPeriodFromYYYY")),
                smallint(QStringLiteral("EPeriodFromPP")),
                smallint(QStringLiteral("EPeriodToYYYY")),
                smallint(QStringLiteral("EPeriodToPP")),
                integer(QStringLiteral("DefaultCurrencyID")),
                memo(QStringLiteral("Notes")),
                boolean(QStringLiteral("APInvPONumbers")),
                boolean(QStringLiteral("APInvDescriptions")),
                integer(QStringLiteral("DfltSalesGLAccountID")),
                integer(QStringLiteral("DfltCOGSGLAccountID")),
                integer(QStringLiteral("DfltInventoryGLAccountID")),
                string(QStringLiteral("AddressLine1"), 35),
                string(QStringLiteral("AddressLine2"), 35),
                string(QStringLiteral("AddressLine3"), 35),
                string(QStringLiteral("Phone"), 20),
                string(QStringLiteral("TaxNo"), 35),
                string(QStringLiteral("ARInvoiceMessage"), 120),
                smallint(QStringLiteral("ARInvoiceStyle")),
                boolean(QStringLiteral("ARInvoiceAustralia")),
                smallint(QStringLiteral("ARInvoiceCopies")),
                boolean(QStringLiteral("ARPrintTerms")),
                string(QStringLiteral("ApplicationVersion"), 5),
                smallint(QStringLiteral("BackupOnExit")),
                integer(QStringLiteral("DefaultNetDays")),
                string(QStringLiteral("ClientInvoiceFormat"), 1),
                string(QStringLiteral("ClientInvoiceLineItems"), 1),
                string(QStringLiteral("FunderInvoiceFormat"), 1),
                string(QStringLiteral("FunderInvoiceLineItems"), 1),
                string(QStringLiteral("FunderInvoicingMethod"), 1),
                boolean(QStringLiteral("SuppressPosting")),
                boolean(QStringLiteral("SuppressInvoiceWording"))};
    t.indexes = {primary({QStringLiteral("CompanyNo")})};
    return t;
}

TableDef tax()
{
    TableDef t;
    t.name = QStringLiteral("Tax");
    t.fields = {integer(QStringLiteral("TaxID")),
                string(QStringLiteral("TaxName"), 20),
                floating(QStringLiteral("Rate")),
                string(QStringLiteral("TaxCode"), 1),
                string(QStringLiteral("TaxDescription"), 20),
                integer(QStringLiteral("TaxGLAccountID"))};
    t.indexes = {primary({QStringLiteral("TaxID")}),
                 nocase(QStringLiteral("TAXNAME1"), {QStringLiteral("TaxName")}),
                 index(QStringLiteral("TAXGLACCOUNTID"), {QStringLiteral("TaxGLAccountID")})};
    return t;
}

TableDef salesman()
{
    TableDef t;
    t.name = QStringLiteral("Salesman");
    t.fields = {integer(QStringLiteral("SalesmanID")),
                string(QStringLiteral("LastName"), 30),
                string(QStringLiteral("FirstName"), 30),
                string(QStringLiteral("JobTitle"), 40),
                string(QStringLiteral("BusinessPhone"), 20),
                string(QStringLiteral("BusinessPhoneExt"), 10),
                string(QStringLiteral("BusinessPhone2"), 20),
                string(QStringLiteral("BusinessPhone2Ext"), 10),
                string(QStringLiteral("HomePhone"), 20),
                string(QStringLiteral("Fax"), 20),
                string(QStringLiteral("Cellular"), 20),
                string(QStringLiteral("Pager"), 20),
                string(QStringLiteral("EMail"), 40),
                memo(QStringLiteral("Notes"))};
    t.indexes = {primary({QStringLiteral("SalesmanID")}),
                 nocase(QStringLiteral("FULLNAME"),
                        {QStringLiteral("LastName"), QStringLiteral("FirstName")})};
    return t;
}

TableDef arInv()
{
    TableDef t;
    t.name = QStringLiteral("ARInv");
    t.fields = {integer(QStringLiteral("ARInvoiceID")),
                integer(QStringLiteral("CustomerID")),
                string(QStringLiteral("InvoiceNo"), 10),
                integer(QStringLiteral("WarehouseID")),
                string(QStringLiteral("Description"), 60),
                date(QStringLiteral("InvoiceDate")),
                money(QStringLiteral("InvoiceAmount")),
                money(QStringLiteral("PaidAmount")),
                money(QStringLiteral("DiscTakenAmount")),
                money(QStringLiteral("WriteOffAmount")),
                money(QStringLiteral("Owing")),
                floating(QStringLiteral("DiscPC")),
                smallint(QStringLiteral("DiscDays")),
                smallint(QStringLiteral("NetDays")),
                boolean(QStringLiteral("COD")),
                string(QStringLiteral("PurchaseOrderNo"), 10),
                smallint(QStringLiteral("GLPeriod")),
                smallint(QStringLiteral("GLYear")),
                boolean(QStringLiteral("Printed")),
                boolean(QStringLiteral("Posted")),
                integer(QStringLiteral("Tax1ID")),
                integer(QStringLiteral("Tax2ID")),
                string(QStringLiteral("Tax1Code"), 1),
                string(QStringLiteral("Tax2Code"), 1),
                floating(QStringLiteral("Tax1Rate")),
                floating(QStringLiteral("Tax2Rate")),
                money(QStringLiteral("TaxableAmount1")),
                money(QStringLiteral("TaxableAmount2")),
                money(QStringLiteral("TaxableAmount3")),
                string(QStringLiteral("TaxableAmtCode1"), 1),
                string(QStringLiteral("TaxableAmtCode2"), 1),
                string(QStringLiteral("TaxableAmtCode3"), 1),
                floating(QStringLiteral("ExchangeRate")),
                string(QStringLiteral("Recip_ID"), 7),
                string(QStringLiteral("CustomerType"), 1)};
    t.indexes = {primary({QStringLiteral("ARInvoiceID")}),
                 index(QStringLiteral("CUSTOMERIDINVOICENO"),
                       {QStringLiteral("CustomerID"), QStringLiteral("InvoiceNo")}),
                 index(QStringLiteral("INVOICENO"), {QStringLiteral("InvoiceNo")}),
                 index(QStringLiteral("CUSTOMERID"), {QStringLiteral("CustomerID")}),
                 index(QStringLiteral("GLYEAR"), {QStringLiteral("GLYear")}),
                 index(QStringLiteral("GLPERIOD"), {QStringLiteral("GLPeriod")}),
                 index(QStringLiteral("POSTED"), {QStringLiteral("Posted")}),
                 index(QStringLiteral("PRINTED"), {QStringLiteral("Printed")}),
                 descending(QStringLiteral("INVOICEDATEINVOICENODESC"),
                            {QStringLiteral("InvoiceDate"), QStringLiteral("InvoiceNo")}),
                 index(QStringLiteral("OWING"), {QStringLiteral("Owing")}),
                 index(QStringLiteral("RECIP_ID"), {QStringLiteral("RECIP_ID")})};
    return t;
}

TableDef arInvDet()
{
    TableDef t;
    t.name = QStringLiteral("ARInvDet");
    t.fields = {integer(QStringLiteral("ARInvoiceID")),  integer(QStringLiteral("Seq")),
                floating(QStringLiteral("Quantity")),    integer(QStringLiteral("ItemID")),
                money(QStringLiteral("UnitPrice")),      string(QStringLiteral("TaxCodes"), 3),
                string(QStringLiteral("ItemOvDesc"), 75)};
    t.indexes = {primary({QStringLiteral("ARInvoiceID"), QStringLiteral("Seq")}),
                 index(QStringLiteral("ITEMID"), {QStringLiteral("ItemID")})};
    return t;
}

TableDef itemCtl()
{
    TableDef t;
    t.name = QStringLiteral("ItemCtl");
    t.fields = {integer(QStringLiteral("NextItemNo")), integer(QStringLiteral("NextItemID")),
                integer(QStringLiteral("NextInvAdjustmentID")),
                integer(QStringLiteral("NextInvReceiptID")),
                integer(QStringLiteral("NextInvReceiptNo"))};
    return t;
}

TableDef arInvCtl()
{
    TableDef t;
    t.name = QStringLiteral("ARInvCtl");
    t.fields = {integer(QStringLiteral("NextInvoiceID")), integer(QStringLiteral("NextInvoiceNo"))};
    return t;
}

TableDef arInvPmt()
{
    TableDef t;
    t.name = QStringLiteral("ARInvPmt");
    t.fields = {integer(QStringLiteral("ARInvoiceID")),
                integer(QStringLiteral("PaymentID")),
                integer(QStringLiteral("Seq")),
                money(QStringLiteral("PaymentAmount")),
                money(QStringLiteral("DiscTakenAmount")),
                money(QStringLiteral("WriteOffAmount")),
                integer(QStringLiteral("WriteOffGLAccountID"))};
    t.indexes = {
        primary({QStringLiteral("ARInvoiceID"), QStringLiteral("PaymentID")}),
        index(QStringLiteral("PAYMENTIDSEQ"), {QStringLiteral("PaymentID"), QStringLiteral("Seq")}),
        index(QStringLiteral("WRITEOFFGLACCOUNTID"), {QStringLiteral("WriteOffGLAccountID")}),
        index(QStringLiteral("PAYMENTID"), {QStringLiteral("PaymentID")})};
    return t;
}

TableDef arPmt()
{
    TableDef t;
    t.name = QStringLiteral("ARPmt");
    t.fields = {integer(QStringLiteral("PaymentID")),  string(QStringLiteral("ChequeNo"), 8),
                integer(QStringLiteral("CustomerID")), integer(QStringLiteral("BankID")),
                smallint(QStringLiteral("GLYear")),    smallint(QStringLiteral("GLPeriod")),
                date(QStringLiteral("PaymentDate")),   money(QStringLiteral("ChequeAmount")),
                boolean(QStringLiteral("Posted")),     boolean(QStringLiteral("Reconciled"))};
    t.indexes = {primary({QStringLiteral("PaymentID")}),
                 index(QStringLiteral("CHEQUENO"), {QStringLiteral("ChequeNo")}),
                 index(QStringLiteral("CUSTOMERIDCHEQUENO"),
                       {QStringLiteral("CustomerID"), QStringLiteral("ChequeNo")}),
                 index(QStringLiteral("BANKID"), {QStringLiteral("BankID")}),
                 index(QStringLiteral("CUSTOMERID"), {QStringLiteral("CustomerID")}),
                 index(QStringLiteral("POSTED"), {QStringLiteral("Posted")}),
                 index(QStringLiteral("RECONCILED"), {QStringLiteral("Reconciled")}),
                 descending(QStringLiteral("PAYMENTDATECHEQUENODESC"),
                            {QStringLiteral("PaymentDate"), QStringLiteral("ChequeNo")}),
                 index(QStringLiteral("GLYEAR"), {QStringLiteral("GLYear")}),
                 index(QStringLiteral("GLPERIOD"), {QStringLiteral("GLPeriod")})};
    return t;
}

TableDef arPmtCtl()
{
    TableDef t;
    t.name = QStringLiteral("ARPmtCtl");
    t.fields = {integer(QStringLiteral("NextPaymentID"))};
    return t;
}

TableDef currency()
{
    TableDef t;
    t.name = QStringLiteral("Currency");
    t.fields = {integer(QStringLiteral("CurrencyID")),
                string(QStringLiteral("CurrencyName"), 20),
                floating(QStringLiteral("ExchangeRate")),
                integer(QStringLiteral("GainLossExchangeGLAccntID")),
                integer(QStringLiteral("APGLAccountID")),
                integer(QStringLiteral("APDiscGLAccountID")),
                integer(QStringLiteral("ARGLAccountID")),
                integer(QStringLiteral("ARDiscGLAccountID")),
                integer(QStringLiteral("DfltWriteOffGLAccountID"))};
    t.indexes = {primary({QStringLiteral("CurrencyID")}),
                 nocase(QStringLiteral("CURRENCYNAME1"), {QStringLiteral("CurrencyName")}),
                 index(QStringLiteral("DFLTWRITEOFFGLACCOUNTID"),
                       {QStringLiteral("DfltWriteOffGLAccountID")}),
                 index(QStringLiteral("ARDISCGLACCOUNTID"), {QStringLiteral("ARDiscGLAccountID")}),
                 index(QStringLiteral("ARGLACCOUNTID"), {QStringLiteral("ARGLAccountID")}),
                 index(QStringLiteral("APDISCGLACCOUNTID"), {QStringLiteral("APDiscGLAccountID")}),
                 index(QStringLiteral("APGLACCOUNTID"), {QStringLiteral("APGLAccountID")}),
                 index(QStringLiteral("GAINLOSSEXCHANGEGLACCNTID"),
                       {QStringLiteral("GainLossExchangeGLAccntID")})};
    return t;
}

TableDef glAccount()
{
    TableDef t;
    t.name = QStringLiteral("GLAccnt");
    t.fields = {integer(QStringLiteral("GLAccountID")),    string(QStringLiteral("GLAccount"), 10),
                string(QStringLiteral("AccountName"), 50), memo(QStringLiteral("Notes")),
                smallint(QStringLiteral("AccountType")),   boolean(QStringLiteral("Suspended"))};
    t.indexes = {primary({QStringLiteral("GLAccountID")}),
                 nocase(QStringLiteral("ACCOUNTNAME1"), {QStringLiteral("AccountName")}),
                 index(QStringLiteral("GLACCOUNT"), {QStringLiteral("GLAccount")})};
    return t;
}

TableDef warehouse()
{
    TableDef t;
    t.name = QStringLiteral("Warehse");
    t.fields = {integer(QStringLiteral("WarehouseID")),
                string(QStringLiteral("WarehouseName"), 20)};
    t.indexes = {primary({QStringLiteral("WarehouseID")}),
                 nocase(QStringLiteral("WAREHOUSENAME1"), {QStringLiteral("WarehouseName")})};
    return t;
}

TableDef logo()
{
    TableDef t;
    t.name = QStringLiteral("Logo");
    t.fields = {graphic(QStringLiteral("Logo"))};
    return t;
}

TableDef bank()
{
    TableDef t;
    t.name = QStringLiteral("Bank");
    t.fields = {integer(QStringLiteral("BankID")), string(QStringLiteral("BankName"), 40),
                integer(QStringLiteral("BankGLAccountID")), integer(QStringLiteral("CurrencyID"))};
    t.indexes = {primary({QStringLiteral("BankID")}),
                 nocase(QStringLiteral("BANKNAME1"), {QStringLiteral("BankName")}),
                 index(QStringLiteral("CURRENCYID"), {QStringLiteral("CurrencyID")}),
                 index(QStringLiteral("BANKGLACCOUNTID"), {QStringLiteral("BankGLAccountID")})};
    return t;
}

QList<TableDef> allTables()
{
    return {customer(), cusType(),  cBalance(), custCtl(),   item(),      itemType(), company(),
            tax(),      salesman(), arInv(),    arInvDet(),  itemCtl(),   arInvCtl(), arInvPmt(),
            arPmt(),    arPmtCtl(), currency(), glAccount(), warehouse(), logo(),     bank()};
}

} // namespace ar
