// Placeholder translation unit for a library whose sources come later.
