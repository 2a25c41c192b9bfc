"""Kelvoro's art, drawn from code: make_art.py writes it into res/."""
