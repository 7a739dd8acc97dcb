-- Suppliers, kept by the purchasing system.
create table fornecedores (
  fo_cod integer not null,
  fo_nome varchar(40),
  fo_fant varchar(40),
  constraint pk_fornecedores primary key (fo_cod)
);
