# units
