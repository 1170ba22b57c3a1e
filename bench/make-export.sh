# A deterministic export in the service's format: quoted fields, commas and doubled quotes
# inside some of them, debits and credits over ten years and four accounts.
#   make_export ROWS FILE
make_export() {
  awk -v rows="$1" 'BEGIN {
    srand(42)
    split("Corner Grocery|City Power & Light|Bean There Cafe|Pizza \"\"Napoli\"\"|Fuel Stop|Acme Corp Payroll|Hardware Hut, Inc.", payee, "|")
    split("Everyday Checking|Rewards Visa|Savings|Travel Card", account, "|")
    split("Groceries|Utilities|Coffee Shops|Restaurants|Gas & Fuel|Paycheck", category, "|")
    print "\"Date\",\"Description\",\"Original Description\",\"Amount\",\"Transaction Type\",\"Category\",\"Account Name\",\"Labels\",\"Notes\""
    for (i = 0; i < rows; i++) {
      p = payee[int(rand() * 7) + 1]
      printf "\"%d/%d/%d\",\"%s\",\"%s #%d SPRINGFIELD\",\"%.2f\",\"%s\",\"%s\",\"%s\",\"%s\",\"%s\"\n",
        int(rand() * 12) + 1, int(rand() * 28) + 1, 2015 + int(rand() * 10), p, p, i, rand() * 1000,
        (rand() < 0.6 ? "debit" : "credit"), category[int(rand() * 6) + 1], account[int(rand() * 4) + 1],
        (i % 5 ? "" : "Tax"), (i % 7 ? "" : "receipt, box 3")
    }
  }' > "$2"
}
