"""The data file hv.dat as the program writes it: a header line, then one
block of KEY=value lines per entry from the table's bottom row up, CR LF
line breaks."""

KEYS = ["ITEM", "STATUS", "COST", "DATE", "SUPPLIER", "SUPPLIERCONTACT", "SUPPLIERDETAIL", "NOTES"]


def data_file(rows):
    """The bytes of hv.dat for a table given top row first."""
    text = "CREATOR=HV 1.0"
    for row in reversed(rows):
        text += "".join("\n%s=%s" % (k, v) for k, v in zip(KEYS, row)) + "\n"
    return text.replace("\n", "\r\n").encode("utf-8")


def read(path):
    with open(path, "rb") as f:
        return f.read()
