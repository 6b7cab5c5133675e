"""Driver for the end-to-end cases: program folders, the program under Wine,
the probe that reads its controls, xdotool for the user's hands."""
