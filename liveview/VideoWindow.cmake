# sources of calidra_ui
